#pragma once
// Shared variables of the results-file readers.

#include <QString>

namespace qv {

struct KekkaState {
  QString KekkaVersion;    // version line of the results file
  QString HozonJikoku;     // save time, compared by the data-change warning
  bool UserErrorContinue = false;
  int ShumokuIndex = -1;   // event the match-data reader is on
  int TournamentIndex = -1;
};

}  // namespace qv
