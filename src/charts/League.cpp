#include "charts/League.h"

#include <algorithm>
#include <utility>

#include "charts/ChartEnv.h"
#include "charts/LeagueTable.h"
#include "data/LeagueResults.h"
#include "data/ModelAccess.h"
#include "data/Nittei.h"
#include "data/Taikai.h"

namespace qv {

namespace {

// The results file holds at most 100 slots a block; a larger count is damage.
constexpr int kMaxSlots = 100;

LeagueOptions ReadLeagueOptions(const TaikaiSwitches& sw) {
  LeagueOptions o;
  o.kachiagariJuni = IsTaikaiOption(sw, QStringLiteral("勝上り順位表示"));
  o.shouShiaiBangou = IsTaikaiOption(sw, QStringLiteral("小試合番号"));
  o.shozokuKaigyou = IsTaikaiOption(sw, QStringLiteral("リーグ戦所属改行"));
  o.tashumoku = IsTaikaiOption(sw, QStringLiteral("多種目参加者"));
  o.team = IsTaikaiOption(sw, QStringLiteral("(TEAM)"));
  o.ryakugou = IsTaikaiOption(sw, QStringLiteral("略号"));
  o.jitsugyoudanTT = IsTaikaiOption(sw, QStringLiteral("実業団TT"));
  return o;
}

// A team event shows affiliations only under both options, taken from the brackets of its
// team names.
bool TeamShozoku(const ShumokuRec& ev, const LeagueOptions& o) {
  const SankashaRec* entry = entryAt(ev, 0);
  if (!entry) return false;
  const QString& first = entry->Name;
  return first.contains(QStringLiteral("（")) && first.contains(QStringLiteral("）")) && o.team &&
         o.shozokuKaigyou;
}

}  // namespace

int LeagueTable::member(int i) const {
  if (i < 0 || i >= static_cast<int>(block.Sankasha.size())) return -1;
  const int m = block.Sankasha.at(i);
  return entryAt(ev, m) ? m : -1;
}

bool LeagueTable::complete(int i) const {
  if (i < 0 || i >= static_cast<int>(block.Juni.size())) return false;
  const LeagueJuniRec& j = block.Juni.at(i);
  return j.Kachi + j.Make >= matchesToPlay;
}

ChartResult PrintLeague(ChartEnv& env, const AreaRect& box, int shumokuIndex, int blockIndex) {
  const Model& model = env.model;
  const ShumokuRec* evp = eventAt(std::as_const(model.taikai.Taikai), shumokuIndex);
  if (!evp) return {};
  const ShumokuRec& ev = *evp;
  const LeagueBlockRec* blockp = blockAt(ev.YosenLeague, blockIndex);
  if (!blockp) return {};
  const LeagueBlockRec& block = *blockp;

  const TaikaiSwitches& sw = model.taikai.sw;
  LeagueTable t{env, ev, block, shumokuIndex, blockIndex};
  t.opt = ReadLeagueOptions(sw);
  t.team = ev.Shubetsu == QStringLiteral("団体");
  // The switch itself is left alone: a team event decides for this table only.
  t.shozoku = t.team ? TeamShozoku(ev, t.opt) : sw.ShozokuHyouji;

  t.g = MakeLeagueGeometry(box, ev.Shubetsu,
                           std::clamp(block.SankashaSuu, 0, kMaxSlots), t.shozoku,
                           t.opt.shozokuKaigyou, sw.LeagueMeisaiMode > 0);
  PrintLeagueFrame(t);

  // Ranks print once every slot has played all its matches. A vacant slot plays none and
  // nobody plays it, so it is left out; otherwise a block with one would never show its
  // ranks.
  const int n = t.g.N;
  int vacant = 0;
  for (int i = 0; i < n; ++i)
    if (t.member(i) < 0) ++vacant;
  t.matchesToPlay = n - 1 - vacant;
  bool complete = true;
  for (int i = 0; i < n && complete; ++i)
    if (t.member(i) >= 0 && !t.complete(i)) complete = false;
  const bool showRanks = sw.LeagueMikanJuni || complete;
  const int limit = complete ? t.matchesToPlay : 999;

  if (!model.taikai.NitteiFileName.isEmpty())
    t.schedule = FindNitteiIndex(model.nittei, ev.Ryakugou, blockIndex);
  if (t.opt.jitsugyoudanTT) t.schedule = kTimeTableSchedule;

  for (int i = 0; i < n; ++i) {
    if (t.member(i) >= 0) PrintLeagueSlot(t, i);
    const double rowTop = t.g.rowTop(i + 1);
    const double colEdge = t.g.columnLeft(i + 1);
    env.device.OutputLine(t.g.X1, rowTop, t.g.X2, rowTop);
    env.device.OutputLine(colEdge, t.g.Y1, colEdge, t.g.Y2);
  }
  for (int i = 0; i < n; ++i) {
    PrintLeagueRank(t, i, showRanks, limit);
    if (i < n - 1) PrintLeagueCells(t, i);
  }
  ChartResult printed;
  printed.Pages = 1;
  return printed;
}

}  // namespace qv
