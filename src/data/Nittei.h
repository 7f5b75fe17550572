#pragma once
// The schedule file named by the data file's "日程=" key: groups of three comma lines keyed
// by an event abbreviation and a number, column c holding the texts of match c.

#include <QString>
#include <QStringList>

#include <vector>

namespace qv {

struct Model;

struct NitteiRec {
  QString Title;        // key up to its first "-"
  int Number = 0;       // whole number after the "-"; 0 without one
  int ColumnCount = 0;  // fields of the first line less the key
  QStringList Line1;    // ColumnCount texts each: fields 2, 3, … of the group's lines
  QStringList Line2;
  QStringList Line3;
};

struct NitteiState {
  std::vector<NitteiRec> Nittei;  // in file order
  int NitteiCount = 0;            // 0: not loaded (or the file gave no group)
};

// Reads DataFolder + NitteiFileName into the table. A missing file loads nothing.
void ReadNitteiFile(Model& model);

// Index of the first group with exactly this title and number, or -1. The table is read
// when the tournament opens, so that a chart only looks it up.
int FindNitteiIndex(const NitteiState& state, const QString& key, int number);

}  // namespace qv
