#pragma once
// Text variables and the "&" placeholders of printed texts.

#include <QString>

#include <array>
#include <vector>

namespace qv {

struct StrPairRec {
  QString Key;
  QString Value;
};

struct TextVarState {
  // In order of first setting; a key occurs once. Kept as a plain list because callers
  // and the phrase window rely on that order, and it never holds more than a few dozen keys.
  std::vector<StrPairRec> TextVars;
  // Texts cut from tournament and event names before they print. Nothing fills them yet,
  // so both cut steps leave names unchanged.
  std::array<QString, 6> TaikaiNameCut;
  std::array<QString, 6> ShumokuNameCut;

  int TextVarCount() const { return static_cast<int>(TextVars.size()); }
};

// Replaces the value of an existing key, or appends the pair. Keys compare exactly.
void SetTextVar(TextVarState& vars, const QString& key, const QString& value);

// The value of a key, "" when it has none. A key beginning with "&" falls back to the key
// without it when it has no value of its own. A key text with "." at its third character
// or later is a list of keys: their non-empty values joined by ",".
QString LookupTextVars(const TextVarState& vars, const QString& keys);

// The text to print for a layout item's text: "&key", "&大会名称-cut-cut", an "@" text of
// pieces, or a literal.
QString ExpandLayoutText(const TextVarState& vars, const QString& text);

QString CutTaikaiName(const TextVarState& vars, const QString& name);
QString CutShumokuName(const TextVarState& vars, const QString& name);

}  // namespace qv
