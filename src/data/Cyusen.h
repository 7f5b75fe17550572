#pragma once
// The draw-lots file beside the data file ("<data file>.csn"): one record of ten comma
// fields per line, keyed by an event abbreviation and a slot number of its draw.

#include <QString>

#include <vector>

namespace qv {

struct Model;

struct CyusenRec {
  QString Name;  // key text: an event abbreviation
  int No = 0;    // key number: the slot in the draw
  QString Field3;
  QString Field4;
  QString Field5;
  QString Field6;
  QString Field7;
  QString Field8;
  QString Field9;
  QString Field10;
};

struct CyusenState {
  std::vector<CyusenRec> Cyusen;  // in file order
  int CyusenCount = 0;            // 0: not loaded (or the file gave no line)
};

// Loads the draw-lots file of the open data file. A missing file loads nothing.
void ReadCyusenFile(Model& model);

// Loads the file while the table is empty: a missing or empty file is read again on the
// next call, a loaded table is kept until the tournament is reset.
void ReadCyusenFileIfEmpty(Model& model);

// Index of the first record with exactly this key text and number, or -1.
int FindCyusen(const CyusenState& state, const QString& name, int no);

}  // namespace qv
