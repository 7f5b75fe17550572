// The right side of a two-sided bracket page, ballot candidates in place of an entrant, and
// the entrants of a three-player event: where each text lands.

#include <gtest/gtest.h>

#include "BracketFixture.h"
#include "charts/TournamentPages.h"
#include "data/Cyusen.h"

namespace qv::test {
namespace {

struct Expected {
  const char16_t* text;
  double x, y, size;
};

void expectTexts(const BracketFixture& f, std::initializer_list<Expected> cases, const char* what) {
  for (const Expected& c : cases) {
    const QString text = QString::fromUtf16(c.text);
    bool found = false;
    for (const PrintedText& t : f.texts()) {
      if (t.text != text || std::abs(t.x - c.x) > 0.02 || std::abs(t.y - c.y) > 0.02) continue;
      found = true;
      EXPECT_NEAR(t.size, c.size, 0.01) << what << " " << text.toStdString();
    }
    EXPECT_TRUE(found) << what << " " << text.toStdString() << " at " << c.x << ", " << c.y;
  }
}

// Two sides of 8 entrants in 20..190 × 20..280, fractions 0.25: the right side's name
// column 146.5..167.75, affiliation column 168.75..190, first-round joins at 132; rows
// 4..7 on the right, 63.75 mm apart from 56.875; names, labels and numbers 4 mm, scores 3.
constexpr double kCol0 = 146.5, kCol2 = 168.75, kCol3 = 190, kJoin = 132;
double rightY(double row) { return 56.875 + (row - 4) * 63.75; }

TEST(BracketRightSideTest, EntrantsNumbersAndMatchTextsMirrorTheLeftSide) {
  BracketFixture f;
  const int e = f.addEvent(8);
  f.event(e).Sankasha[7].Name = QStringLiteral("青葉クラブ");  // an entry without a name
  f.decide(e, 6, false, QStringLiteral("1:2:21-19:18-21:19-21::"));  // match 3, lower wins
  f.program().taikai.sw.NumberJunban = true;
  f.print(e, QStringLiteral("左右"));
  const double y6 = rightY(4.5), y7 = rightY(6.5);
  expectTexts(f,
              {
                  // Names in the name column, affiliations after it, a name's top half a
                  // size above its line.
                  {u"選手5", kCol0, rightY(4) - 2, 4},
                  {u"（所属0）", kCol2, rightY(4) - 2, 4},
                  {u"選手7", kCol0, rightY(6) - 2, 4},
                  // The entry without a name: its text in half-width parentheses from the
                  // name column's start.
                  {u"(青葉クラブ)", kCol0, rightY(7) - 2, 4},
                  // Leaf numbers outside the affiliation column.
                  {u"5", kCol3 + 2.4 - 0.8, rightY(4) - 1.6, 3.2},
                  {u"8", kCol3 + 2.4 - 0.8, rightY(7) - 1.6, 3.2},
                  // The unplayed match's number a quarter character right of its join.
                  {u"4", kJoin + 1, y7 - 2, 4},
                  // The decided match: scores right of the join, from the upper child's side;
                  // games won one character inside the column, moved toward the match.
                  {u"19-21", kJoin + 1.5, y6 - 4.5, 3},
                  {u"21-18", kJoin + 1.5, y6 - 1.5, 3},
                  {u"21-19", kJoin + 1.5, y6 + 1.5, 3},
                  {u"1", kJoin - 4, rightY(4) - 2 + 4, 4},
                  {u"2", kJoin - 4, rightY(5) - 2 - 4, 4},
              },
              "right side");
  // A decided singles match hides its number on this layout.
  EXPECT_FALSE(f.hasText(QStringLiteral("3"), kJoin + 1, y6 - 2));

  // The same match kept numbered, with a result text for the winner (longer texts shift
  // left by half a character each).
  BracketFixture g;
  const int e2 = g.addEvent(8);
  g.decide(e2, 6, false, QStringLiteral("1:2:::::"));
  g.tournament(e2).Taisens[6].ExtraText2 = QStringLiteral("棄権");
  g.program().insatsu.InsatsuSeigyo.PointHyouji = 3;
  g.setUp(QStringLiteral("左右"));
  g.state.TournamentInsatsu.ShiaiBangouKeep = true;
  g.open();
  ChartEnv env = g.env();
  PrintTournamentPages(env, g.state, g.tournament(e2), -1);
  expectTexts(g,
              {
                  {u"3", kJoin + 1, y6 - 2, 4},
                  {u"1", kJoin - 4, rightY(4) + 2, 4},
                  {u"棄権", kJoin - 4 - 2, rightY(5) - 6, 4},
              },
              "kept number");
}

TEST(BracketRightSideTest, BallotCandidatesTakeTheLeafOnEitherSide) {
  BracketFixture f;
  const int e = f.addEvent(8);
  TournamentRec& t = f.tournament(e);
  for (int k = 8; k < 16; ++k) t.Taisens[static_cast<size_t>(k)].Rank = 100 + k;
  t.Taisens[8].Rank = 1;   // the top leaf of the left side
  t.Taisens[13].Rank = 2;  // a leaf of the right side (row 5)
  t.Taisens[9].Rank = 3;   // no ballot record: the entrant stays
  auto ballot = [](int no, const char16_t* a, const char16_t* aClub, const char16_t* partner,
                   const char16_t* b, const char16_t* bClub) {
    CyusenRec c;
    c.Name = QStringLiteral("MS");
    c.No = no;
    c.Field3 = QString::fromUtf16(a);
    c.Field4 = QString::fromUtf16(aClub);
    c.Field5 = QString::fromUtf16(partner);
    c.Field6 = c.Field5.isEmpty() ? QString() : c.Field4;  // one club for a pair
    c.Field7 = QString::fromUtf16(b);
    c.Field8 = QString::fromUtf16(bClub);
    return c;
  };
  auto& cyusen = f.program().cyusen;
  cyusen.Cyusen = {ballot(1, u"候補甲", u"甲クラブ", u"相方甲", u"候補乙", u"乙クラブ"),
                   ballot(2, u"候補丙", u"丙クラブ", u"", u"候補丁", u"丁クラブ")};
  cyusen.CyusenCount = 2;
  f.program().taikai.sw.TaikaiOptions << QStringLiteral("抽選");
  f.print(e, QStringLiteral("左右"));
  const double ns = 3.6;  // 0.9 of the name size
  const double y0 = 56.875, y5 = rightY(5);
  expectTexts(f,
              {
                  // A pair candidate above the line, its partner under it, their one club
                  // between the two; the other candidate below the line.
                  {u"候補甲", 20, y0 - 2.2 * ns, ns},
                  {u"相方甲", 20, y0 - 1.2 * ns, ns},
                  {u"（甲クラブ）", 42.25, y0 - 2.2 * ns + 0.55 * ns, ns},
                  {u"候補乙", 20, y0 + 0.1 * ns, ns},
                  {u"（乙クラブ）", 42.25, y0 + 0.1 * ns, ns},
                  // On the right side in the right side's columns.
                  {u"候補丙", kCol0, y5 - 1.1 * ns, ns},
                  {u"（丙クラブ）", kCol2, y5 - 1.1 * ns, ns},
                  {u"候補丁", kCol0, y5 + 0.1 * ns, ns},
                  {u"（丁クラブ）", kCol2, y5 + 0.1 * ns, ns},
                  // A leaf whose rank has no record shows its entrant.
                  {u"選手2", 20, y0 + 63.75 - 2, 4},
              },
              "ballot");
  EXPECT_FALSE(f.find(QStringLiteral("選手1")));
  EXPECT_FALSE(f.find(QStringLiteral("選手6")));
}

TEST(BracketRightSideTest, ThreePlayerEntrantsStackTheirNamesAndAffiliations) {
  BracketFixture f;
  const int e = f.addEvent(32, QStringLiteral("三人制"), QStringLiteral("TR"), QStringLiteral("３人"));
  auto& entries = f.event(e).Sankasha;
  entries[0].Name = QStringLiteral("甲,乙,丙,東高,西高,南高");
  entries[1].Name = QStringLiteral("丁,戊,己,北高,北高,北高");
  f.print(e, QStringLiteral("左"));
  // One side of 32 rows 7.96875 mm apart from 28.984375: the small name size is a
  // 3.8th of the pitch; names 4 mm wide, a one-character name centred in its column.
  const double pitch = 255.0 / 32, y0 = 25 + pitch / 2, y1 = y0 + pitch, s = pitch / 3.8;
  const double name = 41.25 - 2;
  expectTexts(f,
              {
                  {u"甲", name, y0 - 1.7 * s, s},
                  {u"乙", name, y0 - 0.5 * s, s},
                  {u"丙", name, y0 + 0.7 * s, s},
                  {u"（東高）", 63.5, y0 - 1.7 * s, s},
                  {u"（西高）", 63.5, y0 - 0.5 * s, s},
                  {u"（南高）", 63.5, y0 + 0.5 * s, s},
                  {u"丁", name, y1 - 1.7 * s, s},
                  {u"己", name, y1 + 0.7 * s, s},
                  // One school for all three: printed once, beside the middle name.
                  {u"（北高）", 63.5, y1 - 0.5 * s, s},
              },
              "three players");
  EXPECT_EQ(f.countTexts(QStringLiteral("（北高）")), 1);
}

}  // namespace
}  // namespace qv::test
