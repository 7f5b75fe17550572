#include "data/SenshuJisho.h"

#include "data/Fields.h"
#include "data/Model.h"
#include "data/Spreadsheet.h"
#include "platform/Files.h"
#include "platform/Width.h"

namespace qv {

namespace {

// An .xls sheet has no more rows; a reader that never reports an empty row still ends.
constexpr int kMaxJishoRows = 65536;

}  // namespace

QString NormalizeJishoKey(const QString& text) {
  QString key = platform::toHalfWidth(text).toUpper();
  qsizetype cut = key.indexOf(QChar('('));
  if (cut < 0) cut = key.indexOf(QChar('['));
  if (cut >= 0) key.truncate(cut);
  static const QString kDropped = QStringLiteral(" *-~'`.");
  QString out;
  out.reserve(key.size());
  for (const QChar c : key)
    if (!kDropped.contains(c)) out += c;
  return out;
}

void ReadSenshuJisho(Model& model) {
  SenshuJishoState& jisho = model.senshuJisho;
  if (jisho.SenshuJishoCount >= 1) return;
  DebugTrace(platform::joinPath(model.taikai.DataFolder, QStringLiteral("選手名辞書.xls")));
  jisho = SenshuJishoState{};

  Spreadsheet& sheet = *model.spreadsheet;
  for (int row = 1; row <= kMaxJishoRows; ++row) {
    const QString part1 = sheet.ExcelGetCell(row, 1);
    const QString part2 = sheet.ExcelGetCell(row, 2);
    const QString second = sheet.ExcelGetCell(row, 3);
    const QString preferred = sheet.ExcelGetCell(row, 4);
    if (part1.isEmpty() && part2.isEmpty() && second.isEmpty() && preferred.isEmpty()) break;
    const QString name = preferred.isEmpty()
                             ? second
                             : QString(preferred).replace(QChar(0x3000), QChar(' '));
    // Entry lists write the two parts in either order.
    jisho.SenshuJishoKeys << NormalizeJishoKey(part1 + part2) << NormalizeJishoKey(part2 + part1);
    jisho.SenshuJishoNames << name << name;
    jisho.SenshuJishoCount += 2;
  }
  sheet.ExcelClose();
}

QString LookupSenshuJisho(const SenshuJishoState& jisho, const QString& name) {
  const QString key = NormalizeJishoKey(name);
  if (name.isEmpty() || key.startsWith(QStringLiteral("QUALIFIER"))) return QString();
  const qsizetype i = jisho.SenshuJishoKeys.indexOf(key);
  return i >= 0 && i < jisho.SenshuJishoNames.size() ? jisho.SenshuJishoNames[i] : QString();
}

void MakeBilingualNames(const SenshuJishoState& jisho, QString& name1, QString& name2,
                        QString& team1, QString& team2) {
  const QString d1 = LookupSenshuJisho(jisho, name1);
  const QString d2 = LookupSenshuJisho(jisho, name2);
  if (name2.isEmpty()) {
    name2 = d1;
    team2 = team1;
    return;
  }
  QString first = name1;
  QString second = name2;
  if (team1 != team2) {
    // Partners from different teams: each name carries its own team.
    first += QStringLiteral(" (") + team1 + QStringLiteral(" )");
    second += QStringLiteral(" (") + team2 + QStringLiteral(" )");
    team1.clear();
    team2.clear();
  }
  name1 = first + QStringLiteral(" & ") + second;
  name2 = d1 + QStringLiteral(" & ") + d2;
}

}  // namespace qv
