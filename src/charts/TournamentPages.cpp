#include "charts/TournamentPages.h"

#include <algorithm>

#include "charts/SeedOrder.h"
#include "data/ModelAccess.h"
#include "platform/Width.h"

namespace qv {

namespace {

const QString kThirdPlace = QStringLiteral("三位決定戦");

// R(r): the display row of the leaf that holds seed rank r; 0 for a rank the draw lacks.
float rankRow(const TournamentRec& t, int r) {
  if (r < 1 || r > t.SankaCount || t.SeedCount < 1) return 0.f;
  if (static_cast<size_t>(r) >= t.RankPos.size()) return 0.f;
  const TaisenRec* leaf = TournamentNode(t, t.RankPos.at(r) + t.SeedCount);
  return leaf ? leaf->HyoujiIchi : 0.f;
}

QString pageTitle(const Model& model, const TournamentRec& t) {
  const auto& events = model.taikai.Taikai.Shumoku;
  if (!hasIndex(events, t.ShumokuCode)) return {};
  const ShumokuRec& e = events.at(t.ShumokuCode);
  QString title = e.Name;
  if (model.taikai.sw.ShumokuRyakugouHyouji)
    title += platform::toFullWidth(QStringLiteral("(") + e.Ryakugou + QStringLiteral(")"));
  if (e.YosenLeagueAri > 0) title += QStringLiteral(" 決勝トーナメント");
  return title;
}

}  // namespace

int ReduceTournamentPageCount(int pageCount, int sankaCount) {
  for (int i = 0; i < 4 && pageCount > sankaCount / 4; ++i) pageCount /= 2;
  return std::max(pageCount, 1);
}

std::vector<TournamentPageRec> TournamentPageCuts(const TournamentRec& t, bool twoSided,
                                                  int pageCount, const QString& finalCaption) {
  pageCount = std::clamp(pageCount, 1, 64);
  const std::vector<int> s = StandardSeedOrder(128);
  auto rowAt = [&](int i) {
    return rankRow(t, hasIndex(s, i) ? s.at(i) : 0);
  };
  int step = std::max(64 / pageCount, 1);
  if (!twoSided) step *= 2;
  const int ketteiJuni = t.KetteiJuni;
  std::vector<TournamentPageRec> pages;
  int i = 0;
  for (int p = 1; p <= pageCount; ++p) {
    TournamentPageRec page;
    page.LeftFrom = rowAt(i);
    page.LeftTo = rowAt(i + step - 1);
    if (twoSided) {
      page.RightFrom = rowAt(i + step);
      page.RightTo = rowAt(i + 2 * step - 1);
      i += 2 * step;
      if (pageCount == 1 && ketteiJuni == 0) page.Caption = kThirdPlace;
      if (pageCount == 2 && p == 1 && ketteiJuni < 2) page.Caption = finalCaption;
      if (pageCount == 2 && p == 2 && ketteiJuni == 0 && !finalCaption.isEmpty())
        page.Caption = kThirdPlace;
    } else {
      i += step;
      if (pageCount == 1 && ketteiJuni == 0) page.Caption = kThirdPlace;
    }
    pages.push_back(page);
  }
  return pages;
}

ChartResult PrintTournamentPages(ChartEnv& env, TournamentChartState& state,
                                 const TournamentRec& tournament, int teamStage,
                                 const SheetStarted& sheetStarted) {
  const Model& model = env.model;
  TournamentInsatsuRec& ti = state.TournamentInsatsu;
  const AreaRect& area = ti.Area;
  const int pageCount = ReduceTournamentPageCount(ti.PageCount, tournament.SankaCount);
  ti.PageCount = pageCount;
  ChartResult printed;

  SetTournamentHaichi(state, tournament.SankaCount, tournament.LevelCount, tournament.KetteiJuni,
                      1.0f, model.taikai.sw.FinalCaption);
  env.spreadsheet.ExcelBeginSheet(tournament.Meishou, area.X1, area.Y1, area.X2, area.Y2,
                                     model.taikai.Taikai.KaisaiBi);

  const ShumokuRec* event = nullptr;
  if (tournament.ShumokuCode >= 0 &&
      static_cast<size_t>(tournament.ShumokuCode) < model.taikai.Taikai.Shumoku.size())
    event = &model.taikai.Taikai.Shumoku.at(tournament.ShumokuCode);
  const QString title = pageTitle(model, tournament);
  // A title too wide for the box prints smaller; the chart's own sizes keep TitleSize.
  const QString measured = pageCount > 1 ? title + QStringLiteral("－ＸＸ") : title;
  float ts = ti.TitleSize;
  const float boxWidth = area.X2 - area.X1;
  const int titleLen = PrintDevice::LenAnsi(measured);
  if (titleLen > 0 && titleLen * ti.TitleSize / 2.f > 0.95f * boxWidth)
    ts = 2.f * 0.95f * boxWidth / static_cast<float>(titleLen);

  const auto pages = TournamentPageCuts(tournament, ti.Keishiki == QStringLiteral("左右"),
                                        pageCount, model.taikai.sw.FinalCaption);
  for (int p = 1; p <= pageCount; ++p) {
    QString pageText = title;
    if (pageCount > 1) pageText += QStringLiteral("－") + platform::toFullWidth(QString::number(p));
    env.device.PrintStrCenter((area.X1 + area.X2) / 2.f, area.Y1 - 0.5f * ts, ts, ts, ts, pageText);
    if (event && event->YosenLeagueAri > 0)
      env.spreadsheet.ExcelWriteEntry(event->YosenLeague.SentouBlockName,
                                         event->YosenLeague.BlockCount, 0, 0);
    if (p > 1 && env.device.OutputOn && sheetStarted) sheetStarted();
    const TournamentPageRec& page = pages.at(p - 1);
    DrawTournamentPage(env, state, tournament, page.LeftFrom, page.LeftTo, page.RightFrom,
                       page.RightTo, page.Caption, teamStage);
    if (p < pageCount) {
      env.device.NewPage();
      ++printed.SheetsStarted;
    }
  }
  env.spreadsheet.ExcelClose();
  printed.Pages = pageCount;
  return printed;
}

}  // namespace qv
