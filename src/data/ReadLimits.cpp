#include "data/ReadLimits.h"

#include "platform/Messages.h"

namespace qv {

namespace {

struct LimitText {
  std::int64_t value;
  const char16_t* what;
};

// Totals per file allow several times the largest real tournament, and together stay
// well under what a desk computer can spare.
constexpr std::array<LimitText, static_cast<std::size_t>(ReadLimit::Count)> kLimits{{
    {kMaxLeagueBlockSlots, u"リーグ１ブロックの参加者数"},
    {kMaxLeagueBlockMatches, u"リーグ１ブロックの試合数"},
    {kMaxTournamentEntrants, u"トーナメントの組合せ数"},
    {kMaxQualifiers, u"決勝進出者数"},
    {kMaxKousei, u"団体戦の構成種目数"},
    {kMaxKubun, u"団体戦の区分数"},
    {65536, u"ファイル全体のリーグ参加者数"},
    {200000, u"ファイル全体のリーグ試合数"},
    {131072, u"ファイル全体のトーナメントの大きさ"},
    {262144, u"ファイル全体の初回戦の位置数"},
    {65536, u"ファイル全体の決勝進出者数"},
    {131072, u"ファイル全体の団体戦の試合数"},
    {262144, u"ファイル全体の団体メンバー枠"},
}};

const LimitText& limitText(ReadLimit limit) { return kLimits[static_cast<std::size_t>(limit)]; }

}  // namespace

std::int64_t ReadLimitValue(ReadLimit limit) { return limitText(limit).value; }

void ReadLimits::start(const QString& path) {
  path_ = path;
  used_.fill(0);
  reported_.fill(false);
}

bool ReadLimits::take(ReadLimit limit, std::int64_t n) {
  std::int64_t& used = used_[static_cast<std::size_t>(limit)];
  if (n < 0 || n > ReadLimitValue(limit) - used) return false;
  used += n;
  return true;
}

void ReadLimits::refuse(platform::MessageSink& messages, ReadLimit limit, std::int64_t lineNumber,
                        const QString& line) {
  bool& reported = reported_[static_cast<std::size_t>(limit)];
  if (reported) return;
  reported = true;
  const LimitText& t = limitText(limit);
  warnLine(messages, lineNumber, line,
           QStringLiteral("%1が上限（%2）を超えるため、この行を読み込みません。"
                          "同じ上限を超える以後の行も読み込みません。")
               .arg(QString::fromUtf16(t.what))
               .arg(t.value));
}

void ReadLimits::warnLine(platform::MessageSink& messages, std::int64_t lineNumber,
                          const QString& line, const QString& reason) const {
  messages.warn(path_.isEmpty() ? QStringLiteral("データの読み込み") : path_,
                QStringLiteral("%1行目: %2\n%3").arg(lineNumber).arg(line.left(80), reason));
}

}  // namespace qv
