#include "platform/Cp932.h"

#include <iconv.h>

#include <array>
#include <cstring>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {
namespace {

// Built once from iconv, then read-only: decoding and encoding become table look-ups,
// which matters for readers that decode tens of thousands of lines.
struct Cp932Tables {
  std::array<char16_t, 256> single{};           // 0 = not a single-byte character
  std::array<bool, 256> leadByte{};
  std::vector<char16_t> dbcs;                   // index (lead << 8 | trail), 0 = invalid
  std::unordered_map<char16_t, uint16_t> encode;  // UTF-16 unit -> CP932 code (1 or 2 bytes)
  // Per UTF-16 unit, for the print path's character loops: the unit its code decodes to
  // ("?" without a code) and whether the code takes two bytes.
  std::vector<char16_t> printed;
  std::vector<bool> fullWidth;

  Cp932Tables() : dbcs(65536, 0) {
    encode.reserve(8192);  // CP932 holds about 7,900 characters
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no CP932");
    auto convert = [&](const char* in, size_t inLen) -> char16_t {
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      char buf[8];
      char* inp = const_cast<char*>(in);
      char* outp = buf;
      size_t inLeft = inLen, outLeft = sizeof buf;
      if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<size_t>(-1)) return 0;
      if (inLeft != 0 || sizeof buf - outLeft != 2) return 0;
      char16_t u;
      std::memcpy(&u, buf, 2);
      return u;
    };
    for (int b = 0; b < 256; ++b) {
      const char c = static_cast<char>(b);
      if (b == 0) { single[0] = 0; continue; }
      single[b] = convert(&c, 1);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      if (lead >= 0xA0 && lead <= 0xDF) continue;
      leadByte[lead] = true;
      readRow(cd, lead, convert);
    }
    for (int b = 1; b < 256; ++b)
      if (single[b]) encode[single[b]] = static_cast<uint16_t>(b);  // single byte beats double
    // Text typed on Linux spells these signs with code points that CP932 decodes to their
    // full-width forms; Windows writes them to the same codes (its best fit), so must we.
    static constexpr std::pair<char16_t, uint16_t> kBestFit[] = {
        {u'\u301C', 0x8160},  // 〜 wave dash
        {u'\u2212', 0x817C},  // − minus sign
        {u'\u2014', 0x815C},  // — em dash
        {u'\u2016', 0x8161},  // ‖ double vertical line
        {u'\u00A2', 0x8191},  // ¢
        {u'\u00A3', 0x8192},  // £
        {u'\u00AC', 0x81CA},  // ¬
    };
    for (const auto& [u, code] : kBestFit) encode.try_emplace(u, code);
    iconv_close(cd);
    printed.assign(65536, u'?');
    fullWidth.assign(65536, false);
    printed[0] = u'\0';
    for (const auto& [u, code] : encode) {
      const char16_t back = code > 0xFF ? dbcs[code] : single[code];
      printed[u] = back ? back : u'\uFFFD';
      fullWidth[u] = code > 0xFF;
    }
  }

  void addPair(int lead, int trail, char16_t u) {
    if (!u) return;
    const auto code = static_cast<uint16_t>(lead << 8 | trail);
    dbcs[code] = u;
    encode.try_emplace(u, code);  // first code wins, as Windows' best mapping does
  }

  // The pairs of one lead byte, in trail order. One iconv call converts a run of valid
  // pairs (a call per pair made the tables a noticeable part of a program's first open);
  // an invalid pair ends the call and is skipped.
  template <typename Convert>
  void readRow(iconv_t cd, int lead, const Convert& convert) {
    constexpr int kTrails = 0xFC - 0x40;  // 0x40 to 0xFC without 0x7F
    std::array<char, 2 * kTrails> in;
    std::array<int, kTrails> trail;
    int count = 0;
    for (int t = 0x40; t <= 0xFC; ++t) {
      if (t == 0x7F) continue;
      in[2 * count] = static_cast<char>(lead);
      in[2 * count + 1] = static_cast<char>(t);
      trail[count++] = t;
    }
    int pos = 0;
    while (pos < count) {
      std::array<char16_t, kTrails> out;
      char* inp = in.data() + 2 * pos;
      char* outp = reinterpret_cast<char*>(out.data());
      const size_t inLen = 2 * static_cast<size_t>(count - pos);
      size_t inLeft = inLen, outLeft = sizeof out;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      const bool stopped = iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<size_t>(-1);
      const size_t units = (sizeof out - outLeft) / 2;
      if (inLen - inLeft != 2 * units) {
        // Some pair did not give exactly one character: the rest one pair at a time.
        for (; pos < count; ++pos) addPair(lead, trail[pos], convert(in.data() + 2 * pos, 2));
        return;
      }
      for (size_t k = 0; k < units; ++k) addPair(lead, trail[pos + k], out[k]);
      pos += static_cast<int>(units) + (stopped ? 1 : 0);
    }
  }
};

const Cp932Tables& tables() {
  static const Cp932Tables t;
  return t;
}

}  // namespace

QString decodeCp932(QByteArrayView bytes) {
  const auto& t = tables();
  // Never more characters than bytes: written straight into a buffer of that size, then cut.
  QString out(bytes.size(), Qt::Uninitialized);
  char16_t* w = reinterpret_cast<char16_t*>(out.data());
  const char16_t* const begin = w;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const qsizetype n = bytes.size();
  for (qsizetype i = 0; i < n; ++i) {
    const unsigned char b = p[i];
    if (b < 0x80) {
      *w++ = b == 0 ? u'\0' : (t.single[b] ? t.single[b] : u'\uFFFD');
    } else if (t.leadByte[b] && i + 1 < n && t.dbcs[b << 8 | p[i + 1]]) {
      *w++ = t.dbcs[b << 8 | p[i + 1]];
      ++i;
    } else {
      *w++ = t.single[b] ? t.single[b] : u'\uFFFD';
    }
  }
  out.truncate(w - begin);
  return out;
}

QByteArray encodeCp932(QStringView text) {
  const auto& t = tables();
  QByteArray out;
  out.reserve(text.size() * 2);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t u = text[i].unicode();
    if (u == 0) { out.append('\0'); continue; }
    if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      out.append('?');  // outside the BMP: CP932 has none of these
      ++i;
      continue;
    }
    const auto it = t.encode.find(u);
    if (it == t.encode.end()) {
      out.append('?');
    } else if (it->second > 0xFF) {
      out.append(static_cast<char>(it->second >> 8));
      out.append(static_cast<char>(it->second & 0xFF));
    } else {
      out.append(static_cast<char>(it->second));
    }
  }
  return out;
}

QString roundTripCp932(QStringView text) {
  const auto& t = tables();
  QString out(text.size(), Qt::Uninitialized);
  char16_t* w = reinterpret_cast<char16_t*>(out.data());
  const char16_t* const begin = w;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t u = text[i].unicode();
    if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
      ++i;  // a pair outside the BMP: one "?"
    *w++ = t.printed[u];
  }
  out.truncate(w - begin);
  return out;
}

bool isFullWidth(char32_t ch) {
  if (ch < 0x80 || ch > 0xFFFF) return false;  // ASCII is one byte; beyond the BMP, "?"
  return tables().fullWidth[ch];
}

int lenAnsi(QStringView text) {
  int n = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    n += isFullWidth(c.unicode()) ? 2 : 1;
  }
  return n;
}

}  // namespace platform
