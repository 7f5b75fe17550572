// The bracket page: its set-up, and the loop that places every match node of the page on
// the left side, the right side or the centre and has it drawn.

#include "charts/BracketPage.h"

#include <algorithm>

#include "charts/SeedOrder.h"
#include "charts/TournamentPages.h"
#include "data/Fields.h"
#include "data/ModelAccess.h"
#include "data/Nittei.h"
#include "data/Taikai.h"
#include "platform/Numbers.h"

namespace qv {

const TaisenRec* BracketPage::node(int k) const { return TournamentNode(t, k); }

float BracketPage::rowOf(int k) const {
  if (k == 1 && HasNode1Row) return Node1Row;
  const TaisenRec* n = node(k);
  return n ? n->HyoujiIchi : 0.f;
}

float BracketPage::yOf(int k) const {
  return (rowOf(k) - SideStart) * rowPitch() + st.Haichi.TournamentFirstRowY;
}

bool BracketPage::option(const QString& word) const {
  return IsTaikaiOption(env.model.taikai.sw, word);
}

bool BracketPage::isTeamEvent() const {
  return shumoku && shumoku->Shubetsu == QStringLiteral("団体");
}

const QString& BracketPage::insatsuFont() const { return env.model.kankyou.InsatsuFont; }

void BracketPage::text(double x, double y, double s, const QString& txt) const {
  if (!txt.isEmpty()) env.device.PrintStr(x, y, s, s, s, 0, txt);
}

void BracketPage::line(float width, double x1, double y1, double x2, double y2) const {
  const bool red = width == kWinLineWidth;
  env.device.SetDrawWidth(width);
  if (red) env.device.SetColor(255, 0, 0);
  env.device.OutputLine(x1, y1, x2, y2);
  if (red) env.device.SetColor(0, 0, 0);
}

void BracketPage::gothic() const { env.device.SetFontName(QStringLiteral("ＭＳ ゴシック")); }
void BracketPage::mincho() const { env.device.SetFontName(insatsuFont()); }

bool BracketPage::scheduleTexts(const QString& shiaiBangou, QString (&out)[3]) const {
  const int m = static_cast<int>(platform::Val(shiaiBangou));
  if (m < 1 || m > NitteiCols) return false;
  const auto& groups = env.model.nittei.Nittei;
  if (!hasIndex(groups, NitteiIdx)) return false;
  const NitteiRec& g = groups.at(NitteiIdx);
  // A group whose lines are shorter than its column count reads as empty there.
  out[0] = GetArrayItem(g.Line1, m - 1);
  out[1] = GetArrayItem(g.Line2, m - 1);
  out[2] = GetArrayItem(g.Line3, m - 1);
  return true;
}

QString MatchTextOf(const TaisenRec& n) {
  if (n.ShiaiBangouHyouji.isEmpty() || n.ShiaiBangouHyouji == QStringLiteral("-1"))
    return n.ShiaiBangou;
  return n.ShiaiBangouHyouji;
}

namespace {

// 0 when no entry text is a reference, 1 when all references share one event prefix,
// 2 when they name several.
int scanReferencePrefixes(const ShumokuRec& e) {
  int mode = 0;
  QString prefix;
  for (const SankashaRec& s : e.Sankasha) {
    qsizetype p = s.Name.indexOf(QLatin1Char(':'));
    const qsizetype q = s.Name.indexOf(QChar(0xFF1A));
    if (p < 0 || (q >= 0 && q < p)) p = q;
    if (p < 0) continue;
    const QString head = s.Name.left(p);
    if (mode == 0) {
      mode = 1;
      prefix = head;
    } else if (head != prefix) {
      return 2;
    }
  }
  return mode;
}

void setUp(BracketPage& pg) {
  const Model& model = pg.env.model;
  const PrintRunState& run = pg.env.run;
  const TournamentInsatsuRec& ti = pg.st.TournamentInsatsu;
  const TournamentHaichiRec& h = pg.st.Haichi;
  const auto& events = model.taikai.Taikai.Shumoku;
  if (hasIndex(events, pg.t.ShumokuCode))
    pg.shumoku = &events.at(pg.t.ShumokuCode);

  const bool nikokugo = model.taikai.sw.Nikokugo;
  if (model.taikai.sw.NumberSeedJun && run.SeedInsatsu) pg.SeedRanks = StandardSeedOrder(pg.t.SeedCount);

  const bool doubles = pg.shumoku && pg.shumoku->Shubetsu == QStringLiteral("複");
  const float pitch = h.TournamentRowPitch;
  const float colW = h.TournamentColumnWidth;
  pg.DoubleCharFactor = pg.option(QStringLiteral("DOUBLECHAR")) ? 2 : 1;
  pg.MultiEventMarks = pg.option(QStringLiteral("多種目参加者"));
  pg.NameSize = ti.TitleSize;
  if ((ti.PairMode == QStringLiteral("並列") && doubles) || nikokugo)
    pg.NameSize = std::min(pg.NameSize, pitch / 3.f);
  else
    pg.NameSize = std::min(pg.NameSize, pitch * 0.8f);
  pg.NameSizeSmall = std::min(pg.NameSize, pitch / 3.8f);
  pg.DictNameSize = pg.option(QStringLiteral("YOJ")) ? pg.NameSize : 0.f;
  pg.AffilSize = std::min(pg.NameSize, (doubles || nikokugo) ? pitch / 3.8f : pitch / 3.f);
  pg.ScheduleSize = std::min(pg.NameSize, colW / 2.f);
  pg.LabelSize = std::min({pg.NameSize, pitch / 3.f, colW / 2.f});
  pg.ScoreSize = std::min(pg.LabelSize * 0.75f, colW / 3.f);
  pg.GameScoreSize = pg.ScoreSize;

  pg.RefContext.ShumokuIndex = pg.t.ShumokuCode;
  pg.LeftStart = pg.LeftFrom;
  pg.RightStart = pg.RightFrom;
  if (pg.RightFrom < 9999) {
    const float dl = pg.LeftTo - pg.LeftFrom;
    const float dr = pg.RightTo - pg.RightFrom;
    if (dr < dl) pg.RightStart -= (dl - dr) / 2.f;
    if (dr > dl) pg.LeftStart -= (dr - dl) / 2.f;
    // Node 1 sits between the sides on this page only; the record keeps its own row, so
    // later pages and later prints see the draw unchanged.
    pg.Node1Row = (pg.LeftTo + pg.RightFrom) / 2.f;
    pg.HasNode1Row = true;
  }
  pg.RefPrefixMode = pg.shumoku ? scanReferencePrefixes(*pg.shumoku) : 0;

  const bool qualifierOnly = pg.option(QStringLiteral("YOJ")) && pg.shumoku &&
                             pg.shumoku->Name.endsWith(QStringLiteral("予選"));
  pg.FirstNode = qualifierOnly ? 4 : (pg.t.KetteiJuni > 1 ? pg.t.KetteiJuni : 1);
  const int yosenBlocks =
      pg.shumoku && pg.shumoku->YosenLeagueAri > 0 ? pg.shumoku->YosenLeague.BlockCount : 0;
  pg.NitteiIdx = -1;
  pg.NitteiCols = -1;
  if (!model.taikai.NitteiFileName.isEmpty() && pg.shumoku)
    pg.NitteiIdx = FindNitteiIndex(model.nittei, pg.shumoku->Ryakugou, yosenBlocks);
  if (hasIndex(model.nittei.Nittei, pg.NitteiIdx))
    pg.NitteiCols = model.nittei.Nittei.at(pg.NitteiIdx).ColumnCount;
  pg.ShowWinnerRank = pg.option(QStringLiteral("勝上り順位表示"));
  pg.CentreX = -1;
  pg.RightCentreDone = false;
  pg.MaxRowY = 0;
}

// Side, start row and y of node k on this page; false when the page does not show it.
bool placeNode(BracketPage& pg, int k, const TaisenRec& n) {
  const int pageCount = std::max(pg.st.TournamentInsatsu.PageCount, 1);
  if (n.HyoujiLevel < 0 || k < pageCount || k < pg.t.KetteiJuni) return false;
  float r = pg.rowOf(k);
  if (k < 2 * pageCount && pageCount > 1) r = (pg.LeftTo + pg.RightFrom) / 2.f;
  const bool twoSided = pg.st.Haichi.TournamentSides == 2;
  if (pg.LeftFrom <= r && r <= pg.LeftTo && !(k == 1 && twoSided)) {
    pg.Side = 0;
    pg.SideStart = pg.LeftStart;
    pg.XShift = 0;
  } else if (pg.RightFrom <= r && r <= pg.RightTo) {
    pg.Side = 1;
    pg.SideStart = pg.RightStart;
    pg.XShift = -pg.LabelSize;
  } else {
    return false;
  }
  if (n.ShiaiBangouHyouji == QStringLiteral("-1")) return false;
  pg.RowY = (r - pg.SideStart) * pg.rowPitch() + pg.st.Haichi.TournamentFirstRowY;
  pg.MaxRowY = std::max(pg.MaxRowY, pg.RowY);
  if (pg.Side == 1 && !pg.RightCentreDone) {
    // The two finalists' lines meet at one height.
    if (pg.CentreX >= 0) pg.RowY = pg.SavedY;
    pg.RightCentreDone = true;
  }
  return true;
}

}  // namespace

void DrawTournamentPage(ChartEnv& env, const TournamentChartState& state,
                        const TournamentRec& tournament, float leftFrom, float leftTo,
                        float rightFrom, float rightTo, const QString& caption, int teamStage) {
  BracketPage pg(env, state, tournament);
  pg.LeftFrom = leftFrom;
  pg.LeftTo = leftTo;
  pg.RightFrom = rightFrom;
  pg.RightTo = rightTo;
  pg.Caption = caption;
  pg.TeamStage = teamStage;
  setUp(pg);

  for (int k = pg.FirstNode; k <= tournament.TaisenCount; ++k) {
    const TaisenRec* n = pg.node(k);
    if (!n) break;
    pg.MatchText = MatchTextOf(*n);
    if (!placeNode(pg, k, *n)) continue;
    if (pg.CentreX < 0 && pg.RightFrom < 9999) DrawCentreMatch(pg, k);
    if (DrawNodeLine(pg, k)) DrawQualifierLabel(pg, k);
    if (n->HyoujiLevel > 0) {
      DrawMatchTexts(pg, k);
      DrawJoinLine(pg, k);
    }
    DrawLeafTexts(pg, k);
    env.device.SetColor(0, 0, 0);
  }
  env.device.SetColor(0, 0, 0);
  if (!pg.Caption.isEmpty() && !env.run.SeedInsatsu) DrawPlayoff(pg);
}

}  // namespace qv
