#include "data/Tournament.h"

#include <QString>

#include <algorithm>

#include "data/ModelAccess.h"
#include "data/TaikaiState.h"

namespace qv {

namespace {

bool isPowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

}  // namespace

bool TournamentHasTree(const TournamentRec& t) {
  if (t.SankaCount < 2 || t.SankaCount > kMaxTournamentSankaCount) return false;
  if (t.TaisenCount < 3 || t.Taisens.size() != oneBasedSize(t.TaisenCount)) return false;
  if (2LL * t.SeedCount - 1 != t.TaisenCount) return false;
  const auto perEntrant = static_cast<size_t>(t.SankaCount) + 1;
  const auto perMatch = static_cast<size_t>(t.ShiaiCount) + 1;
  return t.RenbanPos.size() == perEntrant && t.RankPos.size() == perEntrant &&
         t.ShiaiJunNode.size() == perMatch && t.CourtWariate.size() == perMatch;
}

const TaisenRec* TournamentNode(const TournamentRec& t, int k) {
  return hasIndex(t.Taisens, k) ? &t.Taisens.at(k) : nullptr;
}

TaisenRec* TournamentNode(TournamentRec& t, int k) {
  return hasIndex(t.Taisens, k) ? &t.Taisens.at(k) : nullptr;
}

int TournamentShousha(const TournamentRec& t, int k) {
  const TaisenRec* node = TournamentNode(t, k);
  return node ? node->Shousha : kShoushaNone;
}

int GetTournamentNodeCount(int n) {
  int p = 1;
  if (n > 1)
    while (p < n && p < (1 << 30)) p *= 2;
  return 2 * (p - 1) + 1;
}

TournamentSeedOrder MakeTournamentSeedOrder(int n, const ShokaisenRec* shape) {
  TournamentSeedOrder so;
  if (shape) {
    so.SeedCount = shape->Total;
    so.Order.assign(oneBasedSize(shape->Total), 0);
    for (int i = 0; i < shape->Total && hasIndex(shape->Order, i); ++i)
      so.Order.at(i) = shape->Order.at(i);
    so.LevelCount = 1;
    for (long long reach = 1; reach < shape->Total; reach *= 2) ++so.LevelCount;
    return so;
  }
  const int p = (GetTournamentNodeCount(n) + 1) / 2;
  so.SeedCount = p;
  so.Order.assign(oneBasedSize(p), 0);
  so.Order[0] = 1;
  // Each pass halves the blocks; the end of a block that already holds a seed gives the
  // other end the complementary seed, so the best seeds meet as late as possible.
  for (int s = 1; s <= p / 2; s *= 2) {
    ++so.LevelCount;
    const int b = p / s;
    int j = 0;
    int k = b - 1;
    do {
      so.Order.at(k) = 2 * s + 1 - so.Order.at(j);
      const int nj = k + b;
      k = j + b;
      j = nj;
    } while (j < p);
  }
  return so;
}

const ShokaisenRec* UsableShokaisen(const TaikaiState& taikai, int shumokuIndex, int n) {
  if (!hasIndex(taikai.Taikai.Shumoku, shumokuIndex)) return nullptr;
  const int index = taikai.Taikai.Shumoku.at(shumokuIndex).ShokaisenIndex;
  if (!hasIndex(taikai.Shokaisens, index)) return nullptr;
  const ShokaisenRec& shape = taikai.Shokaisens.at(index);
  // A shape that cannot hold every entrant on a well-formed tree is ignored.
  if (!isPowerOfTwo(shape.Total) || shape.Total < 2 || shape.Total < n) return nullptr;
  if (shape.Order.size() != countSize(shape.Total)) return nullptr;
  std::vector<bool> seen(oneBasedSize(shape.Total), false);
  for (int r : shape.Order) {
    if (r < 1 || r > shape.Total || seen.at(r)) return nullptr;
    seen.at(r) = true;
  }
  return &shape;
}

void MakeTournament(const TaikaiState& taikai, TournamentRec& t) {
  if (t.SankaCount < 2 || t.SankaCount > kMaxTournamentSankaCount) return;
  const ShokaisenRec* shape = UsableShokaisen(taikai, t.ShumokuCode, t.SankaCount);
  const int n = t.SankaCount;
  t.ShiaiCount = n;
  t.TaisenCount = GetTournamentNodeCount(shape ? shape->Total : n);
  t.PointCount = 21;
  t.RenbanPos.assign(oneBasedSize(n), 0);
  t.RankPos.assign(oneBasedSize(n), 0);
  t.Taisens.assign(oneBasedSize(t.TaisenCount), TaisenRec{});
  t.ShiaiJunNode.assign(oneBasedSize(t.ShiaiCount), 0);
  t.CourtWariate.assign(oneBasedSize(t.ShiaiCount), 0);

  const TournamentSeedOrder so = MakeTournamentSeedOrder(n, shape);
  t.LevelCount = so.LevelCount;
  t.SeedCount = so.SeedCount;
  const int p = so.SeedCount;
  auto& nodes = t.Taisens;

  // Leaves: real entrants take display rows 0, 1, 2, … from the top; byes take none.
  int q = 0;
  for (int i = 0; i < p; ++i) {
    const int r = so.Order.at(i);
    TaisenRec& leaf = nodes.at(p + i);
    leaf.Taisen1 = -1;
    leaf.Taisen2 = -1;
    leaf.Shousha = kShoushaNone;
    if (r > n) {
      leaf.HyoujiLevel = -1;
      leaf.HyoujiIchi = -1.f;
    } else {
      ++q;
      t.RenbanPos.at(q) = i;
      t.RankPos.at(r) = i;
      leaf.Rank = r;
      leaf.HyoujiLevel = 0;
      leaf.HyoujiIchi = static_cast<float>(q - 1);
    }
  }

  // Levels and rows, bottom up; a node over one empty side takes the other side's row, a
  // node over two empty sides stays empty (row -1) one level higher. The last pass only
  // gives node 0 its level; the rest of node 0 is set below.
  int level = 0;
  for (int l = p; l >= 1; l /= 2) {
    ++level;
    for (int c = l; c <= 2 * l - 1; c += 2) {
      TaisenRec& parent = nodes.at(c / 2);
      const float rowA = nodes.at(c).HyoujiIchi;
      const float rowB = nodes.at(c + 1).HyoujiIchi;
      if (rowA < 0.f) {
        parent.HyoujiIchi = rowB;
        parent.Taisen1 = -1;
        parent.Taisen2 = c + 1;
      } else if (rowB < 0.f) {
        parent.HyoujiIchi = rowA;
        parent.Taisen1 = c;
        parent.Taisen2 = -1;
      } else {
        parent.HyoujiIchi = (rowA + rowB) / 2.f;
        parent.Taisen1 = c;
        parent.Taisen2 = c + 1;
      }
      parent.HyoujiLevel = level;
      parent.Shousha = kShoushaNone;
    }
  }

  TaisenRec& third = nodes[0];
  third.HyoujiIchi = static_cast<float>(n) + 0.5f;
  third.Taisen1 = -1;
  third.Taisen2 = -1;
  third.ShiaiBangou = QString::number(n);

  // Match numbers: the first round 1, 2, … top to bottom, each higher round continuing the
  // count, the final n-1 and the third-place match n. Bye nodes get none.
  auto isMatch = [&](const TaisenRec& node) { return node.Taisen1 >= 0 && node.Taisen2 >= 0; };
  std::vector<int> perLevel(oneBasedSize(level), 0);
  for (int k = 1; k <= t.TaisenCount; ++k) {
    const TaisenRec& node = nodes.at(k);
    if (isMatch(node) && hasIndex(perLevel, node.HyoujiLevel))
      ++perLevel.at(node.HyoujiLevel);
  }
  int base = n;
  int currentLevel = 99;
  int m = 0;
  for (int k = 1; k <= t.TaisenCount; ++k) {
    TaisenRec& node = nodes.at(k);
    if (!isMatch(node) || !hasIndex(perLevel, node.HyoujiLevel)) continue;
    if (node.HyoujiLevel != currentLevel) {
      currentLevel = node.HyoujiLevel;
      base -= perLevel.at(currentLevel);
      m = std::max(base - 1, 0);
    }
    ++m;
    node.ShiaiBangou = QString::number(m);
    if (hasIndex(t.ShiaiJunNode, m)) t.ShiaiJunNode.at(m) = k;
  }
}

}  // namespace qv
