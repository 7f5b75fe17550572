#pragma once
// Shared variables of the results-file readers.

#include <QString>

#include "data/ReadLimits.h"

namespace qv {

struct KekkaState {
  QString KekkaVersion;    // version line of the results file
  QString HozonJikoku;     // save time, compared by the data-change warning
  bool UserErrorContinue = false;
  int KekkaFileAttr = 0;   // 1 when the results file is read-only
  int CourtCount = 0;      // "コート数" of the results file; nothing prints it
  int ShumokuIndex = -1;   // event the match-data reader is on
  int TournamentIndex = -1;
  ReadLimits limits;           // what the results file being read has laid out so far
};

}  // namespace qv
