#pragma once
// The team file (<data file>.dan): sub-match definitions, member divisions, teams with
// their members and line-ups, stages, ties and sub-match results of the team events.

#include <QString>

namespace qv {

struct Model;
struct TeamKubunRec;

// Reads the team file beside the data file into the team events (which must already
// hold their teams) and takes its save time. A missing file changes nothing. A file the
// suite cannot have written ends the program after a message; a tie whose line-ups or
// indexes do not fit is skipped after a warning.
void ReadTeamFile(Model& model);

// Caps the divisions' slot counts so that their sum is at most 8: first to each
// division's working cap, then by marking surplus single-player divisions unused (-1),
// then by lowering the largest counts step by step.
void AdjustTeamWaku(TeamKubunRec& kubun);

// Splits a member entry into the name and its number suffix: "東高校@2" and "東高校２"
// give "東高校" and "2". The first character never joins the suffix.
void SplitTeamNameNo(const QString& entry, QString& name, QString& number);

}  // namespace qv
