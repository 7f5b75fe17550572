#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>

#include "data/PrintFilters.h"
#include "data/SplitSankasha.h"
#include "program/Program.h"
#include "support/TestProgram.h"

namespace qv {

void PrintTo(const SankashaTrio& t, std::ostream* os) {
  *os << "{" << t.name1.toStdString() << "|" << t.name2.toStdString() << "|"
      << t.name3.toStdString() << " / " << t.aff1.toStdString() << "|" << t.aff2.toStdString()
      << "|" << t.aff3.toStdString() << "}";
}

void PrintTo(const SankashaPair& p, std::ostream* os) {
  *os << "{" << p.name1.toStdString() << "|" << p.name2.toStdString() << " / "
      << p.aff1.toStdString() << "|" << p.aff2.toStdString() << "}";
}

}  // namespace qv

using namespace qv;

namespace {

const QString kHeiretsu = QStringLiteral("並列");
const QString kChokuretsu = QStringLiteral("直列");
const QString kKumiawase = QStringLiteral("組合せ");

// One line of names and affiliations: a single, a joined pair or trio, a team.
SankashaTrio line(const QString& name1, const QString& aff1) {
  return {name1, "", "", aff1, "", ""};
}

SankashaTrio pair(const QString& name1, const QString& name2, const QString& aff1,
                  const QString& aff2) {
  return {name1, name2, "", aff1, aff2, ""};
}

struct Case {
  QString text;
  QString mode;
  SankashaTrio trio;
  // The two-player split, when it is not the trio's first two names and affiliations.
  std::optional<SankashaPair> pair = std::nullopt;
};

void checkCases(const CurrentChart& chart, const TaikaiSwitches& sw,
                const std::vector<Case>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE((c.text + " " + c.mode).toStdString());
    EXPECT_EQ(SplitSankasha3(chart, sw, c.text, c.mode), c.trio);
    const SankashaPair pair =
        c.pair.value_or(SankashaPair{c.trio.name1, c.trio.name2, c.trio.aff1, c.trio.aff2});
    EXPECT_EQ(SplitSankasha(chart, sw, c.text, c.mode), pair);
  }
}

}  // namespace

TEST(SplitSankasha, FieldCountsAndModes) {
  const CurrentChart chart;
  const TaikaiSwitches sw;
  // The two-player split reads a trio's first four fields as a pair.
  const SankashaPair keptTrio{"A", "B", "C", "X"};
  const SankashaPair joinedTrio{"A・B", "", "C・X", ""};
  const std::vector<Case> cases = {
      {"", kHeiretsu, {}},
      {"", kKumiawase, {}},
      // One field is a team or organisation: only U+0020 blanks are trimmed.
      {"東高", kHeiretsu, line("", "東高")},
      {"  東高 ", kChokuretsu, line("", "東高")},
      {"　東高", kHeiretsu, line("", "　東高")},
      {"A（X）", kHeiretsu, line("", "A（X）")},
      {"A,X", kHeiretsu, line("A", "X")},
      {"A,X", kChokuretsu, line("A", "X")},
      {",", kHeiretsu, {}},
      {"A,B,X,Y", kHeiretsu, pair("A", "B", "X", "Y")},
      {"A,B,X,Y", "other", pair("A", "B", "X", "Y")},
      {"A,B,X,Y", "", pair("A", "B", "X", "Y")},
      {"A,B,X,Y", kChokuretsu, line("A・B", "X・Y")},
      {"A,B,X,X", kChokuretsu, line("A・B", "X")},
      // Affiliations by character code: 東 U+6771 before 西 U+897F.
      {"A,B,東高,西高", kKumiawase, line("A・B", "東高・西高")},
      {"A,B,西高,東高", kKumiawase, line("A・B", "東高・西高")},
      {"A,B,X,X", kKumiawase, line("A・B", "X")},
      {"A,B,x,X", kKumiawase, line("A・B", "X・x")},
      // Three fields are outside the format: the missing fourth reads as empty.
      {"A,B,X", kHeiretsu, pair("A", "B", "X", "")},
      {"A,B,X", kChokuretsu, line("A・B", "X・")},
      {"A,B,X", kKumiawase, line("A・B", "・X")},
      // Trios; fields after the sixth are ignored.
      {"A,B,C,X,Y,Z", kHeiretsu, {"A", "B", "C", "X", "Y", "Z"}, keptTrio},
      {"A,B,C,X,Y,Z,extra,more", kHeiretsu, {"A", "B", "C", "X", "Y", "Z"}, keptTrio},
      {"A,B,C,X,Y", kHeiretsu, {"A", "B", "C", "X", "Y", ""}, keptTrio},
      {"A,B,C,X,X,X", kChokuretsu, line("A・B・C", "X"), joinedTrio},
      {"A,B,C,X,X,Y", kChokuretsu, line("A・B・C", "X・X・Y"), joinedTrio},
      {"A,B,C,X,X,X", kKumiawase, line("A・B・C", "X・X・X"), joinedTrio},
      {"A,B,C,X,Y", kKumiawase, line("A・B・C", "・X・Y"), joinedTrio},
  };
  checkCases(chart, sw, cases);
}

TEST(SplitSankasha, TrioCombinationSortsAffiliationsInEveryOrder) {
  const CurrentChart chart;
  const TaikaiSwitches sw;
  std::array<QString, 3> affs{"東高", "西高", "南高"};  // 南 U+5357 < 東 < 西
  std::sort(affs.begin(), affs.end());
  do {
    const QString text = "A,B,C," + affs[0] + "," + affs[1] + "," + affs[2];
    SCOPED_TRACE(text.toStdString());
    EXPECT_EQ(SplitSankasha3(chart, sw, text, kKumiawase).aff1, "南高・東高・西高");
  } while (std::next_permutation(affs.begin(), affs.end()));
  EXPECT_EQ(SplitSankasha3(chart, sw, "A,B,C,X,Y,X", kKumiawase).aff1, "X・X・Y");
}

TEST(SplitSankasha, TeamOptionReadsOneFieldAsPlayerWithAffiliation) {
  CurrentChart chart;
  TaikaiSwitches sw;
  sw.TaikaiOptions = {"YOJ", "(TEAM)"};
  const std::vector<Case> cases = {
      {"A（X）", kHeiretsu, line("A", "X")},
      {"山田（東高）", kKumiawase, line("山田", "東高")},
      // The cut is made in the untrimmed text; without "（" the whole trimmed text is the name.
      {"  A（X）", kHeiretsu, line("  A", "X")},
      {"  A  ", kHeiretsu, line("A", "")},
      // The last character is dropped unseen, whatever it is.
      {"A（XY", kHeiretsu, line("A", "X")},
      {"A（X） ", kHeiretsu, line("A", "X）")},
      {"A（", kHeiretsu, line("A", "")},
      {"（）", kHeiretsu, {}},
      {"（X", kHeiretsu, {}},
      {"A(X)", kHeiretsu, line("A(X)", "")},
      // Only one-field texts take the rule.
      {"A（X）,Y", kHeiretsu, line("A（X）", "Y")},
  };
  checkCases(chart, sw, cases);

  chart.CurrentPrintKind = "L";
  checkCases(chart, sw,
             {{"A（X）", kHeiretsu, line("", "A（X）")}, {"  A  ", kHeiretsu, line("", "A")}});

  // The option word must match exactly.
  chart.CurrentPrintKind.clear();
  sw.TaikaiOptions = {"(team)", "TEAM"};
  checkCases(chart, sw, {{"A（X）", kHeiretsu, line("", "A（X）")}});
}

TEST(SplitSankasha, ProgramOverloadsReadThePrintKindAndOptions) {
  test::TestProgram t;
  t.program.taikai.sw.TaikaiOptions = {"(TEAM)"};
  EXPECT_EQ(SplitSankasha(t.program, CurrentChart{}, "A（X）", kHeiretsu), (SankashaPair{"A", "", "X", ""}));
  EXPECT_EQ(SplitSankasha3(t.program, CurrentChart{}, "A（X）", kHeiretsu).name1, "A");
  const CurrentChart league{"L", 0};
  EXPECT_EQ(SplitSankasha(t.program, league, "A（X）", kHeiretsu), (SankashaPair{"", "", "A（X）", ""}));
  // The data-file rewrite hands pair texts in "並列" and gets the four parts back.
  EXPECT_EQ(SplitSankasha(t.program, CurrentChart{}, "山田,鈴木,東高,西高", kHeiretsu),
            (SankashaPair{"山田", "鈴木", "東高", "西高"}));
}
