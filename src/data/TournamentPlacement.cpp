#include "data/TournamentPlacement.h"

#include <algorithm>

#include "data/Fields.h"
#include "data/TaikaiModel.h"
#include "data/Tournament.h"

namespace qv {

namespace {

bool hasOneChild(const TaisenRec& node) {
  return (node.Taisen1 == -1) != (node.Taisen2 == -1);
}

// Draw number d (0-based within this knock-out) stands on the leaf with running number
// d + 1; an entrant without such a leaf stays off the tree.
void placeOnLeaf(TournamentRec& t, long long d, int value) {
  if (d < 0 || d >= t.SankaCount) return;
  const int pos = t.RenbanPos[static_cast<size_t>(d) + 1];
  if (pos < 0 || pos >= t.SeedCount) return;
  const int leaf = t.SeedCount + pos;
  t.Taisens.at(leaf).Shousha = value;
  TaisenRec& parent = t.Taisens.at(leaf / 2);
  if (hasOneChild(parent)) parent.Shousha = value;
}

}  // namespace

void PlaceTournamentSankasha(const ShumokuRec& e, TournamentRec& t) {
  if (!TournamentHasTree(t)) return;
  if (e.KesshouShinshutsuSuu != 0) {
    const int count = std::min(e.KesshouShinshutsuSuu, static_cast<int>(e.KesshouShinshutsu.size()));
    for (int i = 0; i < count; ++i) {
      const long long d = e.KesshouShinshutsu.at(i).Ichi;
      if (d >= t.FirstDrawNo && d < static_cast<long long>(t.FirstDrawNo) + t.SankaCount)
        placeOnLeaf(t, d - t.FirstDrawNo, i);
    }
  } else {
    const int count = std::min(e.SankashaCount, static_cast<int>(e.Sankasha.size()));
    for (int i = 0; i < count; ++i) {
      const int d = e.Sankasha.at(i).Bangou;
      if (d >= 0 && d < e.KumiawaseSuu) placeOnLeaf(t, d, i);
    }
  }
  // Carry entrants up through one-child nodes. Children have higher indices than their
  // parent, so one pass from the bottom reaches what repeated passes would.
  for (int k = t.TaisenCount; k >= 1; --k) {
    TaisenRec& node = t.Taisens.at(k);
    if (node.Shousha >= 0) continue;
    int child = -1;
    if (node.Taisen1 >= 0 && node.Taisen2 < 0) child = node.Taisen1;
    else if (node.Taisen1 < 0 && node.Taisen2 >= 0) child = node.Taisen2;
    const int carried = TournamentShousha(t, child);
    if (child >= 0 && carried >= 0) node.Shousha = carried;
  }
}

void DumpTournament(const TournamentRec& t, QStringList& lines) {
  lines << QStringLiteral("【トーナメント】")
        << QStringLiteral("名称,種目コード,参加数,レベル数,シード数,対戦数,試合数,決定順位,ポイント数,対戦ブロック数")
        << JoinFields(t.Meishou, t.ShumokuCode, t.SankaCount, t.LevelCount, t.SeedCount,
                      t.TaisenCount, t.ShiaiCount, t.KetteiJuni, t.PointCount)
        << QString()
        << QStringLiteral("No.,対戦コード連番,対戦コードランク,対戦コード試合順,試合順コート割付");
  // A knock-out without a tree shows its record and empty tables.
  const bool tree = TournamentHasTree(t);
  for (int i = 0; tree && i <= t.ShiaiCount; ++i) {
    const auto u = static_cast<size_t>(i);
    lines << JoinFields(i, t.RenbanPos[u], t.RankPos[u], t.ShiaiJunNode[u], t.CourtWariate[u]);
  }
  lines << QString()
        << QStringLiteral("No.,対戦1,対戦2,試合番号,対戦結果,勝者,ランク,表示レベル,表示位置,印刷済み,前回印刷");
  for (int k = 0; tree && k <= t.TaisenCount; ++k) {
    const TaisenRec& n = t.Taisens.at(k);
    lines << JoinFields(k, n.Taisen1, n.Taisen2, n.ShiaiBangou, n.TaisenKekka, n.Shousha, n.Rank,
                        n.HyoujiLevel, n.HyoujiIchi, n.InsatsuZumi, n.ZenkaiInsatsu);
  }
}

}  // namespace qv
