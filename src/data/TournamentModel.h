#pragma once
// One knock-out and its match nodes in heap order.

#include <QString>

#include <vector>

namespace qv {

struct TaisenRec {};

struct TournamentRec {
  QString Meishou;
  std::vector<TaisenRec> Taisens;
};

}  // namespace qv
