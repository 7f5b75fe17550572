#include "data/TextVars.h"
#include "platform/Blanks.h"

#include <QStringList>

namespace qv {
namespace {

const StrPairRec* findKey(const TextVarState& vars, const QString& key) {
  for (const auto& pair : vars.TextVars)
    if (pair.Key == key) return &pair;
  return nullptr;
}

QString lookupOneKey(const TextVarState& vars, const QString& key) {
  if (const auto* pair = findKey(vars, key); pair && !pair->Value.isEmpty()) return pair->Value;
  if (key.startsWith(QChar('&'))) {
    if (const auto* pair = findKey(vars, key.mid(1))) return pair->Value;
  }
  return {};
}

QString lookupAndCut(const TextVarState& vars, const QString& placeholder) {
  const QString value = LookupTextVars(vars, placeholder);
  if (placeholder == QStringLiteral("&大会名称")) return CutTaikaiName(vars, value);
  if (placeholder == QStringLiteral("&種目名")) return CutShumokuName(vars, value);
  return value;
}

}  // namespace

void SetTextVar(TextVarState& vars, const QString& key, const QString& value) {
  for (auto& pair : vars.TextVars) {
    if (pair.Key == key) {
      pair.Value = value;
      return;
    }
  }
  vars.TextVars.push_back({key, value});
}

QString LookupTextVars(const TextVarState& vars, const QString& keys) {
  const qsizetype dot = keys.size() > 2 ? keys.indexOf(QChar('.'), 2) : -1;
  if (dot < 0) return lookupOneKey(vars, keys);

  QStringList values;
  auto add = [&](const QString& key) {
    if (key.isEmpty()) return;
    const QString value = lookupOneKey(vars, key);
    if (!value.isEmpty()) values.append(value);
  };
  add(keys.left(dot));
  for (const QString& key : keys.mid(dot + 1).split(QChar('.'))) add(key);
  return values.join(QChar(','));
}

QString ExpandLayoutText(const TextVarState& vars, const QString& text) {
  static const QString cutPrefix = QStringLiteral("&大会名称-");
  if (text.startsWith(cutPrefix)) {
    QString result = CutTaikaiName(vars, LookupTextVars(vars, QStringLiteral("&大会名称")));
    for (const QString& piece : text.mid(cutPrefix.size()).split(QChar('-')))
      if (!piece.isEmpty()) result.remove(piece);
    return result;
  }
  if (text.startsWith(QChar('&'))) return lookupAndCut(vars, text);

  if (text.startsWith(QChar('@'))) {
    QString result;
    for (const QString& piece : text.mid(1).split(QChar('@'))) {
      if (piece.startsWith(QChar('&'))) {
        result += lookupAndCut(vars, piece);
      } else if (!(result.isEmpty() &&
                   (piece == QStringLiteral(" 殿") || piece == QStringLiteral("　殿")))) {
        result += piece;
      }
    }
    const QString bare = platform::trimAllBlanks(result);
    if (bare == QStringLiteral("殿") || bare == QStringLiteral("様") ||
        bare == QStringLiteral("()") || bare == QStringLiteral("（）"))
      return {};
    return result;
  }
  return text;
}

QString CutTaikaiName(const TextVarState& vars, const QString& name) {
  QString result = name;
  for (const QString& cut : vars.TaikaiNameCut) {
    if (cut.isEmpty()) break;
    result.remove(cut);
  }
  return result;
}

QString CutShumokuName(const TextVarState& vars, const QString& name) {
  QString result = name;
  for (const QString& cut : vars.ShumokuNameCut) {
    if (cut.isEmpty()) break;
    if (cut == QStringLiteral("()")) {
      qsizetype open = result.indexOf(QChar('('));
      if (open < 0) open = result.indexOf(QChar(0xFF08));  // （
      if (open >= 1) result.truncate(open);
    } else {
      result.remove(cut);
    }
  }
  return result;
}

}  // namespace qv
