#pragma once
// The knock-out stages of the results file's 【対戦データ】 section: header lines, the tree
// build, entrant placement and the match results.

#include <QString>

namespace platform {
class TextFileReader;
}

namespace qv {

struct Model;

// Reads one knock-out stage, the lines after its "トーナメント=" line, into knock-out
// tournamentIndex of event shumokuIndex (both made by the caller). Returns the line that
// ended the stage unchanged (it begins with "(", "[", "【" or "トーナメント="), or ".eof."
// at the end of the file. With no such event or knock-out the stage's lines are read
// and nothing is stored.
QString ReadTournamentKekka(Model& model, platform::TextFileReader& file, int shumokuIndex,
                            int tournamentIndex);

}  // namespace qv
