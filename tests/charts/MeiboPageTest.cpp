// The roster pages on the recording surface: columns, rows, headings, continuation sheets,
// category groups, the singles cells of pair players and the roster file beside them.

#include <cmath>

#include "charts/MeiboFixture.h"
#include "charts/SankashaMeibo.h"

namespace qv {
namespace {

using Kind = SurfaceCall::Kind;

const QString kMeibo = QStringLiteral("参加者名簿.csv");
const QString kHeading = QStringLiteral("Ｎｏ．,複種目,単種目,氏名,所属,単種目,氏名,所属");

// The region of most tests: 176 mm wide, so u = 4 mm, a row 5.2 mm, text 0.6 mm below it.
constexpr float kLeft = 20, kTop = 10, kRight = 196, kBottom = 280;
constexpr double kU = 4, kH = 5.2;

class MeiboPageTest : public test::MeiboFixture {
 protected:
  int print(float bottom = kBottom) {
    return printRoster(kLeft, kTop, kRight, bottom);
  }
  // n singles entries "選手k,所属k" of one event.
  ShumokuRec& addSingles(const QString& abbreviation, const QString& seibetsu, int n) {
    ShumokuRec& e = addEvent(abbreviation, seibetsu, "単", {});
    for (int k = 1; k <= n; ++k) {
      e.Sankasha.push_back(entry(QString("選手%1,所属%1").arg(k)));
    }
    e.SankashaCount = n;
    return e;
  }
  std::vector<SurfaceCall> lines(bool horizontal) const {
    std::vector<SurfaceCall> out;
    for (const SurfaceCall& c : surface.callsOf(Kind::Line)) {
      if ((c.from.y() == c.to.y()) == horizontal) out.push_back(c);
    }
    return out;
  }
  // Where the first drawn character equal to ch was placed, in pixels.
  QPoint charAt(const QString& ch) const {
    for (const auto& d : surface.drawnTexts()) {
      if (d.text == ch) return d.at;
    }
    ADD_FAILURE() << "not drawn: " << ch.toStdString();
    return {};
  }
  int countChar(const QString& ch) const {
    int n = 0;
    for (const auto& d : surface.drawnTexts()) n += d.text == ch;
    return n;
  }
};

void expectNear(QPoint at, double xMm, double yMm) {
  EXPECT_NEAR(at.x(), xMm * 100, 1.0);
  EXPECT_NEAR(at.y(), yMm * 100, 1.0);
}

TEST_F(MeiboPageTest, PairRowsCarryTheSinglesEventsOfTheirPlayers) {
  addEvent("WD", "女子", "複", {"鈴木　美咲,田中　愛,東高,西高"});
  addEvent("WS", "女子", "単", {"田中　愛,西高", "佐藤　花,南高"});
  EXPECT_EQ(print(), 0);

  // Title, heading row at top + h + u/2, rows below it.
  const double headingY = kTop + kH + 0.5 * kU;
  expectNear(charAt("大"), kLeft + 20, kTop);
  expectNear(charAt("Ｎ"), kLeft + 0.5 * kU, headingY + 0.6);
  expectNear(charAt("鈴"), 56 + 0.5 * kU, headingY + kH + 0.6);
  expectNear(charAt("Ｗ"), 32 + 0.5 * kU, headingY + kH + 0.6);  // the pair event
  expectNear(charAt("佐"), 56 + 0.5 * kU, headingY + 2 * kH + 0.6);

  // Nine column rules from the heading down to the last row; a rule above every row.
  const double columnX[] = {20, 32, 44, 56, 84, 120, 132, 160, 196};
  const auto verticals = lines(false);
  ASSERT_EQ(verticals.size(), 9u);
  for (size_t k = 0; k < 9; ++k) {
    EXPECT_NEAR(verticals[k].from.x(), columnX[k], 1e-4);
    EXPECT_NEAR(verticals[k].from.y(), headingY, 1e-4);
    EXPECT_NEAR(verticals[k].to.y(), headingY + 3 * kH, 1e-4);
  }
  const auto rules = lines(true);
  ASSERT_EQ(rules.size(), 4u);
  for (size_t k = 0; k < rules.size(); ++k) {
    EXPECT_NEAR(rules[k].from.y(), headingY + k * kH, 1e-4);
    EXPECT_NEAR(rules[k].from.x(), kLeft, 1e-4);
    EXPECT_NEAR(rules[k].to.x(), kRight, 1e-4);
  }

  EXPECT_EQ(fileLines(kMeibo), QStringList({"大会参加者名簿", kHeading,
                                            "１,ＷＤ,,鈴木　美咲,東高,ＷＳ,田中　愛,西高",
                                            "２,,ＷＳ,佐藤　花,南高,,,"}));
}

TEST_F(MeiboPageTest, SinglesCellGoesToTheFirstPairPlayerOfThatName) {
  addEvent("WD", "女子", "複", {"A子,B子,x,y", "B子,C子,y,z"});
  addEvent("WS", "女子", "単", {"B子,y"});
  addEvent("WS2", "女子", "単", {"B子,y", "A子,x"});
  print();
  EXPECT_EQ(fileLines(kMeibo).mid(2), QStringList({"１,ＷＤ,ＷＳ２,A子,x,ＷＳ２,B子,y",
                                                   "２,ＷＤ,,B子,y,,C子,z"}));
  // Abbreviations as stored while entry texts are not widened.
  t.program.taikai.sw.NarrowEntryText = false;
  print();
  EXPECT_EQ(fileLines(kMeibo)[2], "１,WD,WS2,A子,x,WS2,B子,y");
}

TEST_F(MeiboPageTest, ThreePlayerEntryFillsTheRowsWithAllThree) {
  addEvent("MT", "男子", "３人", {"甲,乙,丙,東高,西高,南高"});
  print();
  EXPECT_EQ(fileLines(kMeibo).mid(2),
            QStringList({"１,,ＭＴ,甲,東高,ＭＴ,乙,西高", "２,,ＭＴ,丙,南高,,,"}));
}

TEST_F(MeiboPageTest, EntriesWithMissingFieldsLeaveTheirCellsEmpty) {
  addEvent("WD", "女子", "複", {"", "A子,B子"});
  addEvent("WS", "女子", "単", {",東高", "C子", "B子,y"});
  print();
  EXPECT_EQ(fileLines(kMeibo).mid(2), QStringList({"１,ＷＤ,,,,,,", "２,ＷＤ,,A子,,ＷＳ,B子,",
                                                   "３,,ＷＳ,C子,,,,"}));
}

TEST_F(MeiboPageTest, LongGroupContinuesOnSheetsThatRepeatTheHeading) {
  addSingles("MS", "男子", 40);  // 20 rows
  // Rows fit while y <= 60 - u - h: 6 a sheet, each sheet's table under the title band.
  EXPECT_EQ(print(60), 3);
  EXPECT_EQ(surface.count(Kind::NewPage), 3);
  const QStringList csv = fileLines(kMeibo);
  EXPECT_EQ(csv.count(kHeading), 4);
  EXPECT_EQ(csv.indexOf(kHeading, 2), 2 + 6);
  EXPECT_TRUE(csv[2 + 6 + 1].startsWith("７,"));
  EXPECT_EQ(countChar("大"), 1);  // the title only on the first sheet
  // The heading row stands at one height on every sheet, below where the title is, so
  // page phrases set beside the title on later sheets stay clear of it.
  int headings = 0;
  for (const auto& d : surface.drawnTexts()) {
    if (d.text != "Ｎ") continue;
    ++headings;
    EXPECT_NEAR(d.at.y(), (kTop + kH + 0.5 * kU + 0.6) * 100, 1.0);
  }
  EXPECT_EQ(headings, 4);
  // Every sheet's block is closed by its nine column rules.
  EXPECT_EQ(lines(false).size(), 36u);
}

TEST_F(MeiboPageTest, RowsJustOverAPageAreSqueezed) {
  const struct {
    int rows;
    double h;
  } cases[] = {{51, kH}, {52, kH * 52 / 53}, {53, kH * 52 / 54}, {54, kH * 52 / 55}, {55, kH}};
  for (const auto& c : cases) {
    t.program.taikai.Taikai = {};
    surface.calls.clear();
    addSingles("MS", "男子", 2 * c.rows);
    print();
    const auto rules = lines(true);
    ASSERT_GE(rules.size(), 3u);
    EXPECT_NEAR(rules[2].from.y() - rules[1].from.y(), c.h, 1e-4) << c.rows;
  }
}

TEST_F(MeiboPageTest, NextCategoryFollowsOnTheSheetWhenItFits) {
  const struct {
    float bottom;
    int newPages;
    int headings;
    double rowY;  // top of the second group's row
  } cases[] = {{50, 0, 1, kTop + kH + 0.5 * kU + 2 * kH + 0.5 * kH},
               {40, 1, 2, kTop + kH + 0.5 * kU + kH}};
  for (const auto& c : cases) {
    t.program.taikai.Taikai = {};
    surface.calls.clear();
    addEvent("WS", "女子", "単", {"A子,x", "B子,y"});
    addEvent("MS", "男子", "単", {"C男,z"});
    EXPECT_EQ(print(c.bottom), c.newPages);
    expectNear(charAt("C"), 56 + 0.5 * kU, c.rowY + 0.6);
    const QStringList csv = fileLines(kMeibo);
    EXPECT_EQ(csv.count(kHeading), c.headings);
    EXPECT_EQ(csv.last(), "１,,ＭＳ,C男,z,,,");  // numbers restart in each group
  }
}

TEST_F(MeiboPageTest, RowNumbersAreFullWidthAndNamesStayInTheirCells) {
  ShumokuRec& e = addSingles("MS", "男子", 24);
  const QString longName = QString(40, QChar(0x9577));  // 長 x 40
  e.Sankasha[22].Name = longName + ",所属";
  print();
  EXPECT_TRUE(fileLines(kMeibo)[2 + 11].startsWith("１２,"));
  int drawn = 0;
  for (const auto& d : surface.drawnTexts()) {
    if (d.text != "長") continue;
    ++drawn;
    EXPECT_GE(d.at.x(), std::lround((56 + 0.5 * kU) * 100) - 2);
    EXPECT_LE(d.at.x() + d.font.halfWidthPx * 2, std::lround((84 - 0.5 * kU) * 100) + 2);
  }
  EXPECT_EQ(drawn, 40);
}

TEST_F(MeiboPageTest, EmptyTournamentPrintsNothingAndWritesAnEmptyRoster) {
  addEvent("MS", "男子", "単", {});
  EXPECT_EQ(print(), 0);
  EXPECT_EQ(surface.count(Kind::Line), 0);
  EXPECT_TRUE(surface.drawnTexts().empty());
  EXPECT_TRUE(QFile::exists(t.folder() + kMeibo));
  EXPECT_TRUE(fileBytes(kMeibo).isEmpty());
  EXPECT_EQ(fileLines("参加者一覧.csv"), QStringList({"男女,氏名,所属,グループ,MS"}));
}

TEST_F(MeiboPageTest, ManyEntriesPrintInLinearSheets) {
  addSingles("MS", "男子", 500);  // 250 rows: 48 a sheet, under the title band on each
  EXPECT_EQ(print(), 5);
  EXPECT_EQ(fileLines(kMeibo).size(), 2 + 250 + 5);
}

}  // namespace
}  // namespace qv
