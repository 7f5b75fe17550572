#include "platform/Width.h"

#include <QHash>

namespace platform {
namespace {

// Full-width forms of the half-width katakana block U+FF61..U+FF9F, in code order.
constexpr char16_t kFirstHalfKana = 0xFF61;
const char16_t kFullKana[] =
    u"。「」、・ヲァィゥェォャュョッー"
    u"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
constexpr int kHalfKanaCount = 0xFF9F - kFirstHalfKana + 1;
static_assert(sizeof kFullKana / sizeof kFullKana[0] == kHalfKanaCount + 1);

constexpr char16_t kVoicedMark = 0xFF9E;      // ﾞ
constexpr char16_t kSemiVoicedMark = 0xFF9F;  // ﾟ

// Further full-width forms that narrow to a sign besides its counterpart in U+FF01..FF5E.
struct SignPair {
  char16_t half;
  char16_t full;
};
constexpr SignPair kExtraNarrow[] = {
    {u'\'', u'’'}, {u'\'', u'‘'}, {u'"', u'”'}, {u'"', u'“'}, {u'-', u'‐'},
};

bool voicedByMark(char16_t full) {  // カ..ト (small ッ excepted) and ハ..ホ take ゛
  return (full >= u'カ' && full <= u'ト' && full != u'ッ') || (full >= u'ハ' && full <= u'ホ');
}
bool semiVoicedByMark(char16_t full) { return full >= u'ハ' && full <= u'ホ'; }

// Full-width katakana (plain and voiced) -> half-width spelling, built once.
const QHash<char16_t, QString>& narrowKana() {
  static const QHash<char16_t, QString> table = [] {
    QHash<char16_t, QString> t;
    for (int i = 0; i < kHalfKanaCount; ++i) {
      const char16_t half = char16_t(kFirstHalfKana + i);
      const char16_t full = kFullKana[i];
      t.insert(full, QString(QChar(half)));
      if (voicedByMark(full))
        t.insert(char16_t(full + 1), QString(QChar(half)) + QChar(kVoicedMark));
      if (semiVoicedByMark(full))
        t.insert(char16_t(full + 2), QString(QChar(half)) + QChar(kSemiVoicedMark));
    }
    t.insert(u'ヴ', QStringLiteral("ｳﾞ"));
    return t;
  }();
  return table;
}

}  // namespace

QString toFullWidth(QStringView text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c == u' ') {
      out += QChar(0x3000);
    } else if (c == u'\\') {
      out += QChar(c);
    } else if (c > 0x20 && c < 0x7F) {
      out += QChar(char16_t(c - 0x20 + 0xFF00));
    } else if (c >= kFirstHalfKana && c < kFirstHalfKana + kHalfKanaCount) {
      char16_t full = kFullKana[c - kFirstHalfKana];
      const char16_t next = i + 1 < text.size() ? text[i + 1].unicode() : 0;
      if (next == kVoicedMark && full == u'ウ') {
        full = u'ヴ';
        ++i;
      } else if (next == kVoicedMark && voicedByMark(full)) {
        full = char16_t(full + 1);
        ++i;
      } else if (next == kSemiVoicedMark && semiVoicedByMark(full)) {
        full = char16_t(full + 2);
        ++i;
      }
      out += QChar(full);
    } else {
      out += QChar(c);
    }
  }
  return out;
}

QString toHalfWidth(QStringView text) {
  const auto& kana = narrowKana();
  QString out;
  out.reserve(text.size());
  for (const QChar ch : text) {
    const char16_t c = ch.unicode();
    if (c == 0x3000) {
      out += QChar(u' ');
      continue;
    }
    if (c >= 0xFF01 && c <= 0xFF5E && c != 0xFF3C) {  // ＼ stays, as "\" does on widening
      out += QChar(char16_t(c - 0xFF00 + 0x20));
      continue;
    }
    if (const auto it = kana.constFind(c); it != kana.cend()) {
      out += *it;
      continue;
    }
    QChar half = ch;
    for (const auto& p : kExtraNarrow)
      if (p.full == c) half = QChar(p.half);
    out += half;
  }
  return out;
}

}  // namespace platform
