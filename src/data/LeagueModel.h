#pragma once
// League stages, blocks, matches and standings, and the qualifiers to a final stage.

#include <QString>

#include <vector>

#include "data/TournamentModel.h"

namespace qv {

struct LeagueBlockRec {};

struct LeagueStageRec {
  QString Name;
  int BlockCount = 0;
  std::vector<LeagueBlockRec> Blocks;
  int DummyBlockCount = 0;
  std::vector<TaisenRec> Taisen;
};

struct KesshouShinshutsuRec {};

}  // namespace qv
