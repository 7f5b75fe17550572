#pragma once
// Standing the entrants on a built knock-out tree, and the 【トーナメント】 block of the
// diagnostic dump.

#include <QStringList>

#include "data/TournamentModel.h"

namespace qv {

struct ShumokuRec;

// Puts every entrant of event e on its first-round leaf by draw number (qualifier indices
// when e's knock-out follows qualifying leagues, entry indices otherwise) and carries
// entrants with a bye up through the one-child nodes. Nothing happens without a tree.
void PlaceTournamentSankasha(const ShumokuRec& e, TournamentRec& t);

// Appends the 【トーナメント】 block of t (record, position arrays, every node) to lines, one
// CSV line each; the caller writes them to "Dump.csv".
void DumpTournament(const TournamentRec& t, QStringList& lines);

}  // namespace qv
