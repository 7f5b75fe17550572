// The leaves of a bracket page: which leaves get their entrant, the ballot candidates of a
// leaf still to be drawn, the draw or seed numbers, and the block labels of a draw reduced
// to its upper rounds.

#include "charts/BracketPage.h"
#include "data/Cyusen.h"
#include "data/ModelAccess.h"

namespace qv {

namespace {

// The two candidates of a ballot in place of the leaf's entrant.
void ballotTexts(BracketPage& pg, const CyusenRec& c) {
  const float ns = pg.NameSize * 0.9f;
  const float dict = pg.DictNameSize;
  PrintDevice& d = pg.env.device;
  auto put = [&](double x, double y, double pitch, double x2, const QString& t) {
    if (!t.isEmpty()) d.PrintStr(x, y, ns, ns, pitch, x2, t);
  };
  auto bracketed = [](const QString& s) { return QStringLiteral("（") + s + QStringLiteral("）"); };
  const float y1 = c.Field5.isEmpty() ? pg.RowY - 1.1f * ns : pg.RowY - 2.2f * ns;
  const float y2 = pg.RowY + 0.1f * ns;
  const float a1 = c.Field4 == c.Field6 ? y1 + 0.55f * ns : y1;
  const float a2 = c.Field8 == c.Field10 ? y2 + 0.55f * ns : y2;
  put(pg.col(0), y1, dict, pg.col(1), c.Field3);
  put(pg.col(0), y2, dict, pg.col(1), c.Field7);
  if (!c.Field4.isEmpty()) put(pg.col(2), a1, 0, pg.col(3), bracketed(c.Field4));
  if (!c.Field8.isEmpty()) put(pg.col(2), a2, 0, pg.col(3), bracketed(c.Field8));
  if (!c.Field5.isEmpty()) put(pg.col(0), y1 + ns, dict, pg.col(1), c.Field5);
  if (!c.Field9.isEmpty()) put(pg.col(0), y2 + ns, dict, pg.col(1), c.Field9);
  if (!c.Field5.isEmpty()) {
    if (c.Field6 != c.Field4 && !c.Field6.isEmpty())
      put(pg.col(2), a1 + ns, 0, pg.col(3), bracketed(c.Field6));
    if (c.Field10 != c.Field8 && !c.Field10.isEmpty())
      put(pg.col(2), a2 + ns, 0, pg.col(3), bracketed(c.Field10));
  }
}

// The number beside a leaf: its seed number, or its position from the top.
void leafNumber(BracketPage& pg, int k, const TaisenRec& n) {
  const PrintRunState& run = pg.env.run;
  const TaikaiSwitches& sw = pg.env.model.taikai.sw;
  if (!sw.NumberSeedJun && !sw.NumberJunban && !sw.ShozokuNaiJunban) return;
  if (sw.NumberSeedJun) {
    if (run.SeedInsatsu) {
      // The seed rank of this leaf in the standard order of its own draw size.
      const int pos = k - pg.t.SeedCount;
      pg.NumberText = hasIndex(pg.SeedRanks, pos)
                          ? QString::number(pg.SeedRanks.at(pos)).rightJustified(2)
                          : QString();
    }
  } else {
    pg.NumberText = QString::number(static_cast<int>(n.HyoujiIchi) + 1);
  }
  const float ns = pg.NameSize;
  const float centre = pg.Side == 0 ? pg.col(0) - ns : pg.col(3) + 0.6f * ns;
  pg.text(centre - pg.NumberText.size() * 0.2f * ns, pg.RowY - 0.4f * ns, 0.8f * ns, pg.NumberText);
}

void blockLabel(BracketPage& pg, const TaisenRec& n) {
  const float ns = pg.NameSize;
  const QString label = QString::number(static_cast<int>(n.HyoujiIchi) + 1) + QStringLiteral(" ブロック");
  const float x = pg.Side == 0 ? pg.col(3) - 6.5f * ns : pg.col(0) + ns;
  pg.env.device.PrintStr(x, pg.RowY - 0.5f * ns, ns, ns, 0, 0, label);
}

}  // namespace

void DrawLeafTexts(BracketPage& pg, int k) {
  const TaisenRec& n = *pg.node(k);
  if (n.HyoujiLevel != 0) return;
  const TaisenRec* parent = pg.node(k / 2);
  const bool seedInsatsu = pg.env.run.SeedInsatsu;
  int e = n.Shousha;
  const bool reduced = pg.st.TournamentInsatsu.DrawSize > 0;
  // A block of a reduced draw that no side won has no winner to show either.
  if ((parent && parent->ShiaiBangouHyouji == QStringLiteral("-1")) || (e < 0 && !seedInsatsu) ||
      (reduced && e == kShoushaUndecided && !seedInsatsu)) {
    if (reduced) blockLabel(pg, n);
    return;
  }
  if (e < 0) {
    // The entrant below a leaf of a reduced draw: down the tree until one is found.
    for (int m = k; e < 0;) {
      m = 2 * m + (m % 2);
      const TaisenRec* below = pg.node(m);
      if (!below) break;
      e = below->Shousha;
    }
  }
  if (e >= 0) {
    bool ballot = false;
    if (pg.option(QStringLiteral("抽選")) && pg.shumoku) {
      const Model& model = pg.env.model;
      const int c = FindCyusen(model.cyusen, pg.shumoku->Ryakugou, n.Rank);
      if (hasIndex(model.cyusen.Cyusen, c)) {
        ballotTexts(pg, model.cyusen.Cyusen.at(c));
        ballot = true;
      }
    }
    if (!ballot) DrawEntrant(pg, e, false);
  }
  leafNumber(pg, k, n);
}

}  // namespace qv
