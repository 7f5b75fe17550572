#pragma once
// A knock-out reduced to its upper rounds: the draw cut at the round of P positions, each
// position standing for the block of the full draw that hangs under it.

#include "data/TournamentModel.h"

namespace qv {

// joui := a full copy of the knock-out, then made a draw of drawSize (2 … 128) leaves:
// nodes drawSize … 2·drawSize−1 become the leaves, their entrant the winner of that block.
// The knock-out itself is not changed.
void MakeJouiTournament(const TournamentRec& full, int drawSize, TournamentRec& joui);

}  // namespace qv
