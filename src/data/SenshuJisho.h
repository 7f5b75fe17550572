#pragma once
// The player-name dictionary of bilingual tournaments: each player's name as the entry
// lists write it, mapped to a second name. Read row by row through the spreadsheet layer.

#include <QString>
#include <QStringList>

namespace qv {

struct Model;

struct SenshuJishoState {
  // Parallel: the normalised key of a name and its second name, two entries per row
  // (both orders of the name's two parts).
  QStringList SenshuJishoKeys;
  QStringList SenshuJishoNames;
  int SenshuJishoCount = 0;  // 0: not loaded, or empty
};

// Loads "選手名辞書.xls" of the data folder unless the dictionary already holds entries.
void ReadSenshuJisho(Model& model);

// The second name for a player's name in the loaded dictionary; empty when there is none,
// for the empty name and for a name that begins with "QUALIFIER" (any case or width).
QString LookupSenshuJisho(const SenshuJishoState& jisho, const QString& name);

// Half-width, upper case, cut before the first "(" (else "["), without " *-~'`.".
QString NormalizeJishoKey(const QString& text);

// A draw slot's names in two lines. On entry: the first and second player's names (the
// second empty for singles) and their teams; on return: the printed first line, the
// dictionary line, and the teams still to print.
void MakeBilingualNames(const SenshuJishoState& jisho, QString& name1, QString& name2,
                        QString& team1, QString& team2);

}  // namespace qv
