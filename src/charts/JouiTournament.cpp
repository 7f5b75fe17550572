#include "charts/JouiTournament.h"

#include <algorithm>

#include "charts/SeedOrder.h"
#include "data/ModelAccess.h"

namespace qv {

void MakeJouiTournament(const TournamentRec& full, int drawSize, TournamentRec& joui) {
  const int p = std::max(drawSize, 2);
  joui = full;
  joui.SankaCount = p;
  joui.SeedCount = p;
  joui.ShiaiCount = p;
  joui.TaisenCount = 2 * p - 1;
  int levels = 1;
  for (int v = p; v > 1; v /= 2) ++levels;
  joui.LevelCount = levels;

  // A full draw smaller than asked (a damaged record) gets empty nodes, never a read past
  // its end.
  if (joui.Taisens.size() < countSize(2 * p)) {
    TaisenRec empty;
    empty.Taisen1 = -1;
    empty.Taisen2 = -1;
    empty.Shousha = kShoushaNone;
    joui.Taisens.resize(countSize(2 * p), empty);
  }
  for (int k = p; k < 2 * p; ++k) {
    TaisenRec& leaf = joui.Taisens.at(k);
    leaf.HyoujiLevel = 0;
    leaf.HyoujiIchi = static_cast<float>(k - p);
  }
  for (int k = p - 1; k >= 1; --k) {
    TaisenRec& n = joui.Taisens.at(k);
    const TaisenRec& a = joui.Taisens.at(2 * k);
    const TaisenRec& b = joui.Taisens.at(2 * k + 1);
    n.HyoujiLevel = a.HyoujiLevel + 1;
    n.HyoujiIchi = (a.HyoujiIchi + b.HyoujiIchi) / 2.f;
  }

  const std::vector<int> order = StandardSeedOrder(p);
  joui.RankPos.assign(oneBasedSize(p), 0);
  for (int i = 0; i < p && static_cast<size_t>(i) < order.size(); ++i)
    joui.RankPos.at(order.at(i)) = i;
}

}  // namespace qv
