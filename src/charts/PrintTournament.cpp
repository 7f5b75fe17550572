#include "charts/PrintTournament.h"

#include "charts/JouiTournament.h"
#include "charts/TournamentPages.h"
#include "data/InsatsuSeigyo.h"
#include "data/ModelAccess.h"
#include "data/Taikai.h"
#include "data/TournamentPlacement.h"

namespace qv {

namespace {

int drawSizeOf(int jouiMatchCount) {
  switch (jouiMatchCount) {
    case 1: return 2;
    case 3: return 4;
    case 7: return 8;
    case 15: return 16;
    case 31: return 32;
    case 63: return 64;
    case 127: return 128;
    default: return 0;
  }
}

// Name and affiliation column widths for the event's longest texts.
void setColumnRatios(TournamentChartState& state, const Model& model, const ShumokuRec& e,
                     bool kanaKanji) {
  const TaikaiSwitches& sw = model.taikai.sw;
  float& name = state.NameColumnRatio;
  float& shozoku = state.ShozokuColumnRatio;
  auto set = [&](float n, float s) {
    name = n;
    shozoku = s;
  };
  const bool team = IsTaikaiOption(sw, QStringLiteral("(TEAM)"));
  auto firstNamesHaveParen = [&] {
    for (size_t i = 0; i < 2 && i < e.Sankasha.size(); ++i)
      if (e.Sankasha[i].Name.contains(QStringLiteral("（"))) return true;
    return false;
  };
  if (e.MaxLen3 > 0) set(0.35f, 0.15f);
  else if (e.MaxLen1 <= e.MaxLen2 && e.MaxLen1 == 0) set(0.3f, 0.f);
  else if (e.MaxLen1 <= e.MaxLen2) {}  // the caller's preset
  else if (e.MaxLen2 > 0) set(0.25f, 0.25f);
  else if (!team) set(0.f, e.MaxLen1 > 5 ? 0.5f : 0.3f);
  else if (firstNamesHaveParen()) set(0.35f, 0.15f);
  else set(e.MaxLen1 > 5 ? 0.5f : 0.3f, 0.f);

  if (IsTaikaiOption(sw, QStringLiteral("YOJ")) || kanaKanji) set(0.4f, 0.1f);
}

}  // namespace

ChartResult PrintTournament(ChartEnv& env, TournamentChartState& state, const AreaRect& box,
                            int shumokuIdx, int jouiMatchCount, const RyouikiRec& ryouiki,
                            const SheetStarted& sheetStarted) {
  const Model& model = env.model;
  const auto& events = model.taikai.Taikai.Shumoku;
  if (!hasIndex(events, shumokuIdx)) return {};
  const ShumokuRec& e = events.at(shumokuIdx);
  // Only events that own a knock-out are placed; anything else prints nothing.
  if (e.Tournaments.empty()) return {};
  const TournamentRec& full = e.Tournaments.front();
  TournamentInsatsuRec& ti = state.TournamentInsatsu;

  const int drawSize = drawSizeOf(jouiMatchCount);
  const bool reduced = drawSize > 0 && drawSize < full.SankaCount;
  // The one-side rule looks at the draw that prints: an upper draw of 2 has two entrants.
  const int printedEntries = reduced ? drawSize : full.SankaCount;
  const QString label = GetTournamentKeishikiName(ryouiki.TournamentKeishiki);
  ti.Keishiki = printedEntries > kTournamentMinEntries ? label : QStringLiteral("左");
  ti.PageCount = 1;
  static const struct {
    const char16_t* label;
    int pages;
  } kPages[] = {{u"２頁", 2}, {u"４頁", 4}, {u"８頁", 8}, {u"１６頁", 16}};
  for (const auto& p : kPages) {
    if (ti.Keishiki == QString::fromUtf16(p.label)) {
      ti.Keishiki = QStringLiteral("左右");
      ti.PageCount = p.pages;
    }
  }
  ti.PairMode = QStringLiteral("並列");

  const float savedName = state.NameColumnRatio;
  const float savedShozoku = state.ShozokuColumnRatio;
  setColumnRatios(state, model, e, env.run.KanaKanji);

  ti.Area = box;
  ti.TitleSize = 4.0f;
  switch (model.insatsu.InsatsuSeigyo.PointHyouji) {
    case 0:
    case 3:
      ti.ScoreShow = true;
      ti.ShiaiBangouKeep = false;
      break;
    case 1:
      ti.ScoreShow = false;
      ti.ShiaiBangouKeep = true;
      break;
    case 2:
      ti.ScoreShow = false;
      ti.ShiaiBangouKeep = false;
      break;
    default: break;
  }
  ti.DrawSize = drawSize;
  ChartResult printed;
  if (reduced) {
    MakeJouiTournament(full, drawSize, state.JouiTournament);
    printed = PrintTournamentPages(env, state, state.JouiTournament, -1, sheetStarted);
  } else {
    printed = PrintTournamentPages(env, state, full, -1, sheetStarted);
  }
  state.NameColumnRatio = savedName;
  state.ShozokuColumnRatio = savedShozoku;

  if (IsTaikaiOption(model.taikai.sw, QStringLiteral("Dumpトーナメント")))
    DumpTournament(full, printed.DumpLines);
  return printed;
}

}  // namespace qv
