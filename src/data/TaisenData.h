#pragma once
// The 【対戦データ】 section of the results file: how each event is played, its league
// blocks with entrants and matches, the qualifiers to the final stage, per-event print
// settings and its knock-out stages.

#include <QString>

namespace platform {
class TextFileReader;
}

namespace qv {

struct Model;

// Reads the section from the line after its marker into the events, their league stages
// and the team events' stages, handing each knock-out stage to ReadTournamentKekka. Returns
// the line that ended the section unchanged (it begins with "【"), or ".eof." at the end of
// the file; in both cases the league progress of every event is counted first.
// An event name that the data file does not define ends the program after a message;
// every other faulty line is skipped.
QString ReadTaisenData(Model& model, platform::TextFileReader& file);

}  // namespace qv
