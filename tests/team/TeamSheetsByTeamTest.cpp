// The tie sheets of one team across team events.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Cp932.h"
#include "platform/Width.h"
#include "team/TeamMeisai.h"
#include "team/TeamSheetsByTeam.h"
#include "team/TieSheetFixture.h"

namespace qv::test {
namespace {

constexpr double kW = 175.0 / 3;
constexpr double kH = 63;
constexpr double kU = 0.9 * kW / 16;

class TeamSheetsByTeamTest : public TieSheetFixture {
 protected:
  void SetUp() override {
    TieSheetFixture::SetUp();
    layout = TeamMeisaiLayout{15, 15, 190, 275, 3, 4, QString()};
  }
  bool print(const QString& team) {
    auto env = p().chartEnv();
    return !PrintTeamSheetsByTeam(env, layout, pages, team, [this] { ++pages; }).Refused;
  }
  std::pair<int, int> cell(const Sheet& s) const { return cellOf(s, kU, 23, kW, kH); }

  // A line (the surface takes lines in mm), or the cells of a placed text's characters.
  struct Mark {
    QString what;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  };
  // Everything printed but the two heading lines of the pages.
  std::vector<Mark> sheetMarks() const {
    std::vector<Mark> out;
    for (const SurfaceCall& c : surface.calls) {
      if (c.kind == SurfaceCall::Kind::Line) {
        out.push_back({QStringLiteral("line"), std::min(c.from.x(), c.to.x()),
                       std::min(c.from.y(), c.to.y()), std::max(c.from.x(), c.to.x()),
                       std::max(c.from.y(), c.to.y())});
        continue;
      }
      if (c.kind != SurfaceCall::Kind::PlaceChars || c.chars.empty()) continue;
      Mark m{QString(), 1e9, 1e9, -1e9, -1e9};
      for (const PlacedChar& ch : c.chars) {
        const int wide = c.font.halfWidthPx * (platform::isFullWidth(ch.ch) ? 2 : 1);
        m.what += QChar(ch.ch);
        m.x0 = std::min(m.x0, ch.at.x() / kPxPerMm);
        m.y0 = std::min(m.y0, ch.at.y() / kPxPerMm);
        m.x1 = std::max(m.x1, (ch.at.x() + wide) / kPxPerMm);
        m.y1 = std::max(m.y1, (ch.at.y() + c.font.heightPx) / kPxPerMm);
      }
      if (m.what != QStringLiteral("【T0】") &&
          m.what != QStringLiteral("市民大会令和８年６月１４日中央体育館"))
        out.push_back(m);
    }
    return out;
  }
};

TEST_F(TeamSheetsByTeamTest, ThirteenTiesTakeTwoPagesWithTheirHeadings) {
  const int e = addEvent(QStringLiteral("MT"), 3);
  const int s = addStage(e);
  for (int i = 0; i < 13; ++i) addTie(e, s, i % 2 ? 0 : 1, i % 2 ? 2 : 0, "3", "0");
  EXPECT_TRUE(print(QStringLiteral("T0")));
  EXPECT_EQ(pages, 2);
  EXPECT_EQ(countOf(QStringLiteral("【T0】")), 2);
  const auto heading = find(QStringLiteral("【T0】"));
  EXPECT_NEAR(heading->x, 20, 0.05);
  EXPECT_NEAR(heading->y, 9, 0.05);
  EXPECT_NEAR(heading->size, 6, 0.05);
  const auto line = find(QStringLiteral("市民大会令和８年６月１４日中央体育館"));
  ASSERT_TRUE(line);
  EXPECT_NEAR(line->y, 17, 0.05);
  const auto sh = sheets();
  ASSERT_EQ(sh.size(), 13u);
  EXPECT_EQ(cell(sh[0]), std::make_pair(0, 0));
  EXPECT_EQ(cell(sh[11]), std::make_pair(2, 3));
  EXPECT_EQ(sh[12].page, 2);
  EXPECT_EQ(cell(sh[12]), std::make_pair(0, 0));
  EXPECT_NEAR(sh[0].y, 23 + (kH - (3.6 * kU * 3 + 3 * kU)) / 2, 0.02);
}

// However many sub-matches and however the box is divided, every text and line of a sheet
// stays inside its own cell, the sheet centred in it: a sheet too tall at 90 % of the cell
// width is printed smaller rather than over the heading and the sheet below.
TEST_F(TeamSheetsByTeamTest, EverySheetFitsItsCell) {
  const QString D = QStringLiteral("複"), S = QStringLiteral("単"), R = QStringLiteral("３");
  const struct {
    QStringList kinds;
    QString rule;
  } events[] = {{{S}, "21"},
                {{D, S, D}, "21"},
                {{D, D, D, S, S}, "21"},
                {{D, D, D, S, S}, "75"},
                {{R, D, S, R, D, S, D, S}, "21"},
                {{D, S, R, D, S, R, D, S, R, D, S, R}, "75"}};
  const TeamMeisaiLayout grids[] = {
      {15, 15, 190, 275, 3, 4, {}},  // the default
      {15, 15, 190, 275, 1, 1, {}},  {15, 15, 190, 275, 2, 6, {}},
      {10, 20, 287, 110, 4, 2, {}},  // wide and short
      {15, 15, 100, 275, 1, 2, {}},  // narrow and tall
      {15, 15, 190, 60, 3, 1, {}}};
  for (const auto& event : events) {
    for (const TeamMeisaiLayout& grid : grids) {
      reset();
      layout = grid;
      const int e = addEvent(QStringLiteral("MT"), 3, {}, event.kinds);
      ev(e).Kousei[0].Rule = event.rule;
      // Full-width players' names, as the team files hold them: the box rule spreads a text
      // for full-width characters, so a half-width one runs past its box in any cell.
      for (TeamSankashaRec& team : ev(e).Teams)
        for (QString& player : team.Orders.at(0).Players) player = platform::toFullWidth(player);
      const int cols = grid.TeamMeisaiCols;
      const int rows = grid.TeamMeisaiRows;
      const int cells = cols * rows;
      const int s = addStage(e);
      for (int i = 0; i <= cells; ++i) addTie(e, s, i % 2 ? 0 : 1, i % 2 ? 2 : 0, "3", "2");
      const QString what = QStringLiteral("%1 sub-matches, rule %2, %3x%4 cells in %5-%6")
                               .arg(event.kinds.size())
                               .arg(event.rule)
                               .arg(cols)
                               .arg(rows)
                               .arg(grid.TeamMeisaiRight)
                               .arg(grid.TeamMeisaiBottom);
      ASSERT_TRUE(print(QStringLiteral("T0"))) << qPrintable(what);
      EXPECT_EQ(pages, 2) << qPrintable(what);

      const double L = grid.TeamMeisaiLeft;
      const double T = grid.TeamMeisaiTop + 8;
      const double w = (grid.TeamMeisaiRight - L) / cols;
      const double h = (grid.TeamMeisaiBottom - T) / rows;
      const auto c = static_cast<double>(event.kinds.size());
      const double u = std::min(0.9 * w / 16, h / (3.6 * c + 5));
      const auto sh = sheets();
      ASSERT_EQ(sh.size(), static_cast<size_t>(cells + 1)) << qPrintable(what);
      for (int k = 0; k <= cells; ++k) {
        const double x0 = L + w * (k % cols);
        const double y0 = T + h * ((k % cells) / cols);
        // Centred: the number begins 5u into the sheet.
        EXPECT_NEAR(sh[k].x, x0 + (w - 16 * u) / 2 + 5 * u, 0.02) << qPrintable(what) << k;
        EXPECT_NEAR(sh[k].y, y0 + (h - (3.6 * c + 3) * u) / 2, 0.02) << qPrintable(what) << k;
      }

      constexpr double eps = 0.02;
      int outside = 0;
      for (const Mark& m : sheetMarks()) {
        // The cell where the mark begins; frames lie on the cells' edges.
        const int col = std::clamp(static_cast<int>((m.x0 + eps - L) / w), 0, cols - 1);
        const int row = std::clamp(static_cast<int>((m.y0 + eps - T) / h), 0, rows - 1);
        const double cx = L + w * col;
        const double cy = T + h * row;
        if (m.x0 >= cx - eps && m.x1 <= cx + w + eps && m.y0 >= cy - eps && m.y1 <= cy + h + eps)
          continue;
        if (outside++ == 0)
          ADD_FAILURE() << qPrintable(what) << ": " << qPrintable(m.what) << " at " << m.x0 << ","
                        << m.y0 << "-" << m.x1 << "," << m.y1 << " leaves its cell " << cx << ","
                        << cy << "-" << cx + w << "," << cy + h;
      }
      EXPECT_EQ(outside, 0) << qPrintable(what);
    }
  }
}

// Sheets of events with different sub-match counts share the team's pages, each at the
// unit its own rows allow.
TEST_F(TeamSheetsByTeamTest, EachEventsSheetsTakeTheirOwnUnit) {
  const QString D = QStringLiteral("複"), S = QStringLiteral("単");
  const int three = addEvent(QStringLiteral("MT"), 2);
  addTie(three, addStage(three), 0, 1);
  const int five = addEvent(QStringLiteral("XT"), 2, {}, {D, D, D, S, S});
  addTie(five, addStage(five), 1, 0);
  ASSERT_TRUE(print(QStringLiteral("T0")));
  EXPECT_EQ(pages, 1);
  const auto sh = sheets();
  ASSERT_EQ(sh.size(), 2u);
  // Three sub-matches fit at 90 % of the cell width; five take 21 of the cell's 23 units.
  EXPECT_NEAR(sh[0].x, 15 + 0.05 * kW + 5 * kU, 0.02);
  EXPECT_NEAR(sh[0].y, 23 + (kH - 13.8 * kU) / 2, 0.02);
  const double u5 = kH / 23;
  EXPECT_NEAR(sh[1].x, 15 + kW + (kW - 16 * u5) / 2 + 5 * u5, 0.02);
  EXPECT_NEAR(sh[1].y, 23 + u5, 0.02);
  std::vector<double> nameSizes;
  for (const PrintedText& x : texts())
    if (x.text == QStringLiteral("T0")) nameSizes.push_back(x.size);
  ASSERT_EQ(nameSizes.size(), 2u);
  EXPECT_NEAR(nameSizes[0], 1.2 * kU, 0.02);
  EXPECT_NEAR(nameSizes[1], 1.2 * u5, 0.02);
}

TEST_F(TeamSheetsByTeamTest, TheTeamPrintsOnTheLeftWithItsResultAndPoints) {
  const int e = addEvent(QStringLiteral("MT"), 3);
  const int s = addStage(e);
  addTie(e, s, 1, 0, "3", "Ｘ");  // T0 is side B
  EXPECT_TRUE(print(QStringLiteral("T0")));
  const Sheet sh = sheets().at(0);
  const double X = sh.x - 5 * kU;
  EXPECT_NEAR(find(QStringLiteral("Ｘ"))->x, X + 5.9 * kU, 0.02);
  EXPECT_NEAR(find(QStringLiteral("3"))->x, X + 8.9 * kU, 0.02);
  EXPECT_LT(find(QStringLiteral("T0p0"))->x, X + 5 * kU);
  EXPECT_GT(find(QStringLiteral("T1p0"))->x, X + 10 * kU);
  // Scores with the team's points first.
  EXPECT_TRUE(find(QStringLiteral("15-21")));
  EXPECT_FALSE(find(QStringLiteral("21-15")));
  EXPECT_EQ(sh.number, QStringLiteral("１"));
}

TEST_F(TeamSheetsByTeamTest, TiesOfTwoEventsFollowOnTheSamePages) {
  const int a = addEvent(QStringLiteral("MT"), 3, {3});
  addTie(a, 0, 0, 1);
  addTie(a, 0, 1, 2);  // not T0's
  addTie(a, 0, 2, 0);
  addTie(a, 0, 0, 2);  // beyond the block's league matches: numbered by its position
  addTie(a, addStage(a), 0, 2);  // beyond the league blocks
  const int b = addEvent(QStringLiteral("XT"), 2, {}, {QStringLiteral("単")});
  const int s = addStage(b);
  addTie(b, s, 0, 0);  // placeholder
  addTie(b, s, 1, 0);
  // The block lists its league matches in playing order, one with a label of its own.
  LeagueBlockRec& block = p().taikai.Taikai.Shumoku[0].YosenLeague.Blocks[0];
  std::swap(block.Taisen[1], block.Taisen[2]);
  std::swap(block.TaisenIndex[1], block.TaisenIndex[2]);
  block.Taisen[0].ShiaiBangouHyouji = QStringLiteral("7");
  EXPECT_TRUE(print(QStringLiteral("T0")));
  EXPECT_EQ(pages, 1);
  QStringList numbers;
  for (const Sheet& x : sheets()) numbers << x.number;
  EXPECT_EQ(numbers, (QStringList{"Ａ－７", "Ａ－１２", "Ａ－４", "１", "２"}));
  EXPECT_EQ(cell(sheets()[4]), std::make_pair(1, 1));
}

TEST_F(TeamSheetsByTeamTest, SchoolSuffixIsDroppedUnderTheSwitch) {
  struct Case {
    QString name;
    bool useGakkou;
    QString printed;
  } cases[] = {{"東高等学校", true, "東高等"}, {"東高等学校", false, "東高等学校"}, {"学校", true, ""}};
  for (const Case& c : cases) {
    reset();
    p().taikai.sw.UseGakkou = c.useGakkou;
    const int e = addEvent(QStringLiteral("MT"), 2);
    ev(e).Teams[1].TeamName = c.name;
    addTie(e, addStage(e), 0, 1);
    ASSERT_TRUE(print(QStringLiteral("T0")));
    const Sheet sh = sheets().at(0);
    const double X = sh.x - 5 * kU;
    QString right;
    for (const PrintedText& x : texts())
      if (x.x >= X + 11 * kU - 0.02 && std::abs(x.y - (sh.y + 1.5 * kU)) < 0.05) right = x.text;
    EXPECT_EQ(right, c.printed) << qPrintable(c.name);
  }
}

TEST_F(TeamSheetsByTeamTest, TeamWithoutTiesPrintsNothingAndBadGridsAreRefused) {
  const int e = addEvent(QStringLiteral("MT"), 3);
  addTie(e, addStage(e), 1, 2);
  addTie(e, 0, 5, 7);  // indexes outside the teams
  EXPECT_TRUE(print(QStringLiteral("T0")));
  EXPECT_EQ(pages, 0);
  EXPECT_TRUE(surface.calls.empty());

  for (const TeamMeisaiLayout& bad : {TeamMeisaiLayout{15, 15, 190, 275, 0, 4, {}},
                                      TeamMeisaiLayout{15, 15, 190, 275, 3, 0, {}},
                                      TeamMeisaiLayout{15, 15, 15, 275, 3, 4, {}},
                                      TeamMeisaiLayout{15, 15, 190, 20, 3, 4, {}}}) {
    layout = bad;
    tp.messages.shown.clear();
    EXPECT_FALSE(print(QStringLiteral("T1")));
    EXPECT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(pages, 0);
  }
}

TEST_F(TeamSheetsByTeamTest, EventsWithoutStagesTiesOrSheetRoomPrintNothing) {
  addEvent(QStringLiteral("AT"), 2);                            // no stages
  const int empty = addEvent(QStringLiteral("BT"), 2);
  addStage(empty);                                              // a stage without ties
  const int wide = addEvent(QStringLiteral("CT"), 2, {}, QStringList(26, QStringLiteral("単")));
  addTie(wide, addStage(wide), 0, 1);                           // no sheet holds 26 rows
  EXPECT_TRUE(print(QStringLiteral("T0")));
  EXPECT_EQ(pages, 0);
  EXPECT_TRUE(surface.calls.empty());
  EXPECT_TRUE(tp.messages.shown.empty());

  for (int e = 0; e < 3; ++e) {
    auto env = p().chartEnv();
    EXPECT_EQ(!PrintTeamMeisaiRenki(env, e, layout, pages, 0, numbered()).Refused, e != 2);
  }
  EXPECT_EQ(pages, 0);
}

}  // namespace
}  // namespace qv::test
