# apt_waiting COMMAND...: runs an apt-get command line (its sudo included, if any) and, while
# another program holds the package manager's lock (an unattended upgrade, a second
# apt-get), waits for it, saying so once, instead of failing at once. Any other failure of
# apt is returned as it is. Run apt-get under LC_ALL=C: its words are read below.
#   APT_LOCK_WAIT  seconds to wait for the lock in all (default 900)
#   APT_LOCK_POLL  seconds between tries (default 5)
apt_waiting() {
  local limit=${APT_LOCK_WAIT:-900} poll=${APT_LOCK_POLL:-5}
  local lock='Could not get lock|Unable to acquire the dpkg frontend lock|Unable to lock'
  local tmp rc start=$SECONDS waiting=""
  tmp=$(mktemp -d)
  while :; do
    # Shown as it comes; while waiting, without the lock message of each try.
    { rc=0; "$@" 2>&1 || rc=$?; echo "$rc" >"$tmp/rc"; } | tee "$tmp/log" |
      if [ -n "$waiting" ]; then grep --line-buffered -v -E "$lock" || true; else cat; fi
    rc=$(cat "$tmp/rc")
    if [ "$rc" -eq 0 ] || ! grep -E "$lock" "$tmp/log" >/dev/null; then
      rm -rf "$tmp"
      [ "$rc" -eq 0 ] || echo "setup: apt-get failed (status $rc)." >&2
      return "$rc"
    fi
    if [ $((SECONDS - start)) -ge "$limit" ]; then
      rm -rf "$tmp"
      echo "setup: another program still holds the package manager's lock after ${limit} s;" \
           "run set-up again when it has finished." >&2
      return "$rc"
    fi
    if [ -z "$waiting" ]; then
      echo "setup: another program is using the package manager; waiting for it to finish" \
           "(at most $((limit / 60)) min)..." >&2
      waiting=1
    fi
    sleep "$poll"
  done
}
