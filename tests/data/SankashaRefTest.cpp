#include <gtest/gtest.h>

#include <QFileInfo>

#include <utility>
#include <vector>

#include "data/SankashaRef.h"
#include "data/Tournament.h"
#include "data/TournamentPlacement.h"
#include "support/SampleTournament.h"
#include "support/TestProgram.h"

using namespace qv;

namespace {

// Events built by hand: entry "X" has the group "X組" and the further text "Xよみ".
struct Refs : test::TestProgram {
  int addEvent(const QString& abbr, const QStringList& names) {
    ShumokuRec e;
    e.Ryakugou = abbr;
    for (int i = 0; i < names.size(); ++i) {
      SankashaRec s;
      s.Name = names[i];
      s.GroupName = names[i].isEmpty() ? QString() : names[i] + "組";
      s.SubText = names[i] + "よみ";
      s.Bangou = i;
      e.Sankasha.push_back(s);
    }
    e.SankashaCount = static_cast<int>(names.size());
    e.KumiawaseSuu = e.SankashaCount;
    auto& events = program.taikai.Taikai.Shumoku;
    events.push_back(e);
    program.taikai.Taikai.ShumokuCount = static_cast<int>(events.size());
    return static_cast<int>(events.size()) - 1;
  }
  ShumokuRec& ev(int e) { return program.taikai.Taikai.Shumoku.at(static_cast<size_t>(e)); }
  TournamentRec& ko(int e) { return ev(e).Tournaments.at(0); }
  TaisenRec& node(int e, int k) { return ko(e).Taisens.at(static_cast<size_t>(k)); }

  // A knock-out of n entrants (all entries, or the qualifiers when there are any), entrant
  // i on first-round position i.
  void knockOut(int e, int n, int ketteiJuni = 1) {
    TournamentRec t;
    t.ShumokuCode = e;
    t.SankaCount = n;
    t.KetteiJuni = ketteiJuni;
    MakeTournament(program.taikai, t);
    PlaceTournamentSankasha(ev(e), t);
    ev(e).Tournaments.push_back(t);
    ev(e).TournamentCount = static_cast<int>(ev(e).Tournaments.size());
  }
  void win(int e, const std::vector<std::pair<int, int>>& nodeWinners) {
    for (const auto& [k, w] : nodeWinners) node(e, k).Shousha = w;
  }
  // An 8-draw played to the end: quarter-finals 0>1, 3>2, 4>5, 7>6; semi-finals 0>3, 7>4;
  // final 7>0. Match numbers: quarter-finals 1-4, semi-finals 5-6, final 7, third place 8.
  void playEight(int e, int ketteiJuni) {
    knockOut(e, 8, ketteiJuni);
    win(e, {{4, 0}, {5, 3}, {6, 4}, {7, 7}, {2, 0}, {3, 7}, {1, 7}});
    node(e, 0).Taisen1 = 3;  // the semi-final losers meet for third place
    node(e, 0).Taisen2 = 4;
  }
  void block(int e, const QString& name, const std::vector<std::pair<int, int>>& entryAndPlace) {
    LeagueBlockRec b;
    b.Name = name;
    for (const auto& [entry, place] : entryAndPlace) {
      b.Sankasha.push_back(entry);
      b.SankashaIchi.push_back(place);
    }
    b.SankashaSuu = static_cast<int>(entryAndPlace.size());
    ev(e).YosenLeagueAri = 1;
    ev(e).YosenLeague.Blocks.push_back(b);
    ev(e).YosenLeague.BlockCount = static_cast<int>(ev(e).YosenLeague.Blocks.size());
  }
  void printing(int e, int entry) {
    refs.ShumokuIndex = e;
    refs.SankashaIndex = entry;
  }
  QString resolve(const QString& text) { return ResolveSankashaRef(program, refs, text, sub); }
  const QString& refText() const { return refs.SankashaRefText; }

  SankashaRefContext refs;
  QString sub = "呼出側";
};

const QStringList kEight = {"E0", "E1", "E2", "E3", "E4", "E5", "E6", "E7"};

}  // namespace

TEST(ResolveSankashaRef, PlainNameKeepsTheTextAndTakesThePrintedEntrysGroup) {
  Refs p;
  const int e = p.addEvent("MS", {"山田,A高", "鈴木,B高"});
  p.printing(e, 1);
  EXPECT_EQ(p.resolve("山田,A高"), "山田,A高");
  EXPECT_EQ(p.refText(), "鈴木,B高組");
  EXPECT_EQ(p.sub, "呼出側");
  p.printing(e, 5);  // no such entry
  EXPECT_EQ(p.resolve(""), "");
  EXPECT_EQ(p.refText(), "");
}

TEST(ResolveSankashaRef, MatchWinnersAndLosers) {
  Refs p;
  const int ms = p.addEvent("MS", kEight);
  p.playEight(ms, 0);
  p.node(ms, 0).Shousha = 3;  // third place won by 3
  const int pl = p.addEvent("PL", {"MS:7W"});
  p.printing(pl, 0);
  const struct {
    const char* ref;
    const char* name;
  } cases[] = {
      {"MS:7W", "E7"}, {"MS:7L", "E0"},
      {"MS:5W", "E0"}, {"MS:5L", "E3"},  // the winner came from the first feeder
      {"MS:6L", "E4"}, {"MS:1l", "E1"}, {"MS:8W", "E3"}, {"MS:8L", "E4"},
      {"ＭＳ：７ｗ", "E7"},  // typed in full width
      {"MS:7W,補欠", "E7"},
  };
  for (const auto& c : cases) {
    p.sub = "x";
    EXPECT_EQ(p.resolve(QString::fromUtf8(c.ref)), QString::fromUtf8(c.name)) << c.ref;
    EXPECT_EQ(p.sub, QString::fromUtf8(c.name) + "よみ") << c.ref;
    EXPECT_EQ(p.refText(), "MS:7W組") << c.ref;  // a plain name: the printed entry's group
  }
}

TEST(ResolveSankashaRef, UndecidedOrMissingMatches) {
  Refs p;
  const int ms = p.addEvent("MS", kEight);
  p.playEight(ms, 1);
  p.node(ms, 1).Shousha = kShoushaNone;
  p.node(ms, 3).Shousha = kShoushaUndecided;  // nobody won
  p.printing(-1, -1);
  for (const char* ref : {"MS:7W", "MS:7L", "MS:6W", "MS:99W", "MS:8W"}) {
    p.sub = "x";
    EXPECT_EQ(p.resolve(ref), ref);
    EXPECT_EQ(p.sub, "") << ref;
  }
  // A label shown on the draw replaces the match number.
  p.node(ms, 4).ShiaiBangouHyouji = "01";
  EXPECT_EQ(p.resolve("MS:1W"), "E0");
  p.node(ms, 4).ShiaiBangouHyouji = "一回戦";
  EXPECT_EQ(p.resolve("MS:1W"), "MS:1W");
}

TEST(ResolveSankashaRef, KnockOutPlaces) {
  const struct {
    int ketteiJuni;
    int thirdPlaceWinner;  // -1 unplayed
    const char* places[6];
  } cases[] = {
      // Without a third-place match: 3rd the semi-final loser beaten by the champion.
      {1, -1, {"E7", "E0", "E4", "E3", "E6", "E1"}},
      // With one: its winner, then its loser; unplayed, the third place is open.
      {0, 3, {"E7", "E0", "E3", "E4", "E6", "E1"}},
      {0, -1, {"E7", "E0", "PL:3", "E4", "E6", "E1"}},
  };
  for (const auto& c : cases) {
    Refs p;
    const int ms = p.addEvent("MS", kEight);
    p.playEight(ms, c.ketteiJuni);
    p.node(ms, 0).Shousha = c.thirdPlaceWinner;
    const int pl = p.addEvent("PL", {});
    for (int n = 1; n <= 6; ++n) {
      p.printing(pl, 0);
      const QString ref = QStringLiteral("MS:%1").arg(n);
      const QString expected = QString::fromUtf8(c.places[n - 1]);
      EXPECT_EQ(p.resolve(ref), expected == "PL:3" ? ref : expected)
          << "kettei " << c.ketteiJuni << " place " << n;
    }
  }
}

TEST(ResolveSankashaRef, PlaceTextsCarryTheGroupOfTheCallersEntryOnly) {
  Refs p;
  const int ms = p.addEvent("MS", kEight);
  p.playEight(ms, 1);
  const int pl = p.addEvent("PL", {"甲", "乙"});
  // The champion has a plain name: the place text takes the group of the entry the caller
  // prints, whatever event that is.
  const struct {
    int event, entry;
    const char* text;
  } cases[] = {
      {-1, -1, "E7"}, {pl, 0, "E7[甲組]"}, {pl, 1, "E7[乙組]"}, {ms, 3, "E7[E3組]"}, {pl, 5, "E7"},
  };
  for (const auto& c : cases) {
    SankashaRefContext refs{c.event, c.entry, "前"};
    EXPECT_EQ(ResolveSankashaRef(p.program, refs, "MS:1"), QString::fromUtf8(c.text))
        << c.event << " " << c.entry;
  }

  // An entry printed by one chart is not seen by the next, nor by a caller without an entry.
  SankashaRefContext chart{pl, 0, ""};
  EXPECT_EQ(ResolveSankashaRef(p.program, chart, "MS:1"), "E7[甲組]");
  SankashaRefContext next{pl, -1, ""};
  EXPECT_EQ(ResolveSankashaRef(p.program, next, "MS:1"), "E7");
  EXPECT_EQ(ResolveSankashaRef(p.program, "MS:1"), "E7");
  EXPECT_EQ(chart.SankashaRefText, "甲組");
  EXPECT_EQ(next.SankashaRefText, "");
}

TEST(ResolveSankashaRef, PlacesBeforeTheFinal) {
  Refs p;
  const int ms = p.addEvent("MS", kEight);
  p.playEight(ms, 1);
  p.node(ms, 1).Shousha = kShoushaNone;
  JuniEntries entries;
  JuniNames names;
  GetTournamentJuni(p.program, p.refs, ms, 4, entries, names);
  EXPECT_EQ(std::vector<int>(entries.begin(), entries.begin() + 4), (std::vector<int>{0, 7, 3, 4}));
  EXPECT_EQ(names[0], "E0");
  EXPECT_EQ(names[1], "E7");
  EXPECT_EQ(names[4], "");  // not asked for

  // No results at all: the first feeders lead.
  Refs q;
  const int e = q.addEvent("MS", kEight);
  q.knockOut(e, 8);
  GetTournamentJuni(q.program, q.refs, e, 2, entries, names);
  EXPECT_EQ(entries[0], 0);
  EXPECT_EQ(names[1], "E4");
}

TEST(ResolveSankashaRef, LeaguePlaces) {
  Refs p;
  const int none = p.addEvent("MS", {"無"});  // same abbreviation, no preliminary league
  const int first = p.addEvent("MS", {"甲", "乙"});
  p.block(first, "A", {{0, 2}, {1, 3}, {0, 0}});  // the last one has no place yet
  const int second = p.addEvent("MS", {"丙", "丁", "戊"});
  p.block(second, "Ａ", {{0, 1}});       // full-width name: never found
  p.block(second, "A", {{1, 1}, {2, 2}});
  p.block(second, "B", {{-1, 1}, {0, 1}});  // a slot without an entry is passed over
  (void)none;
  p.printing(-1, -1);
  const struct {
    const char* ref;
    const char* name;
  } cases[] = {
      {"MS:A-1", "丁"}, {"ＭＳ：Ａ－１", "丁"}, {"MS:A-2", "甲"},  // the first event with a match
      {"MS:A-3", "乙"}, {"MS:A-1.4", "丁"}, {"MS:B-1", "丙"},
      {"MS:A-4", nullptr}, {"MS:C-1", nullptr}, {"MS:A-", nullptr}, {"MS:A-x", nullptr},
      {"MS:A-0", nullptr}, {"XS:A-1", nullptr},
  };
  for (const auto& c : cases) {
    p.sub = "x";
    p.refs.SankashaRefText = "前";
    const QString ref = QString::fromUtf8(c.ref);
    if (c.name) {
      const QString name = QString::fromUtf8(c.name);
      EXPECT_EQ(p.resolve(ref), name) << c.ref;
      EXPECT_EQ(p.sub, name + "よみ") << c.ref;
      EXPECT_EQ(p.refText(), name + "組") << c.ref;
    } else {
      EXPECT_EQ(p.resolve(ref), ref) << c.ref;
      EXPECT_EQ(p.sub, "x") << c.ref;
      EXPECT_EQ(p.refText(), "前") << c.ref;
    }
  }
}

TEST(ResolveSankashaRef, ChainsOfReferences) {
  Refs p;
  const int ms = p.addEvent("MS", {"佐藤", "鈴木"});
  p.block(ms, "A", {{0, 1}, {1, 2}});
  const int xs = p.addEvent("XS", {"MS:A-2", "ＭＳ：Ａ－１"});
  p.knockOut(xs, 2);
  p.win(xs, {{1, 1}});
  const int fs = p.addEvent("FS", {"XS:1W", "XS:1L"});
  p.block(fs, "A", {{0, 1}, {1, 2}});
  p.printing(-1, -1);

  EXPECT_EQ(p.resolve("XS:1"), "佐藤[佐藤組]");  // the place text carries the group
  EXPECT_EQ(p.resolve("XS:2"), "鈴木[鈴木組]");
  EXPECT_EQ(p.resolve("XS:1W"), "佐藤");
  EXPECT_EQ(p.sub, "佐藤よみ");
  EXPECT_EQ(p.refText(), "佐藤組");
  EXPECT_EQ(p.resolve("FS:A-2"), "鈴木");
}

TEST(ResolveSankashaRef, QualifierDraw) {
  Refs p;
  const int ms = p.addEvent("MS", {"佐藤", "鈴木", "高橋"});
  ShumokuRec& e = p.ev(ms);
  e.KesshouShinshutsu = {{0, "佐藤", "青葉", 1, 1, 0, 0}, {2, "高橋", "", 2, 1, 1, 0},
                         {-1, "未定", "", 3, 1, 2, 0}};
  e.KesshouShinshutsuSuu = 3;
  p.knockOut(ms, 3);
  p.win(ms, {{3, 1}, {1, 1}});  // qualifier 1 beats 2, then qualifier 0
  p.printing(-1, -1);

  EXPECT_EQ(p.resolve("MS:2W"), "高橋");
  EXPECT_EQ(p.sub, "高橋よみ");
  EXPECT_EQ(p.resolve("MS:1L"), "未定");  // a qualifier without an entry
  EXPECT_EQ(p.sub, "");
  EXPECT_EQ(p.resolve("MS:2"), "佐藤[青葉]");
  JuniEntries entries;
  JuniNames names;
  GetTournamentJuni(p.program, p.refs, ms, 2, entries, names);
  EXPECT_EQ(entries[0], 2);  // qualifier 1's entry, found by its name
  EXPECT_EQ(names[0], "高橋");
  EXPECT_EQ(entries[1], 0);
}

TEST(ResolveSankashaRef, KnockOutsThatAreNotRead) {
  Refs p;
  const int two = p.addEvent("MS", kEight);
  p.playEight(two, 1);
  p.knockOut(two, 8);  // a second knock-out in the event
  const int one = p.addEvent("WS", kEight);
  p.knockOut(one, 1);  // no tree for a single entrant
  // Nodes left over from an earlier build do not count either.
  p.ev(one).Tournaments[0] = p.ko(two);
  p.ev(one).Tournaments[0].SankaCount = 1;
  p.printing(-1, -1);
  for (const char* ref : {"MS:7W", "MS:1", "WS:7W", "WS:1", "WS:2"}) {
    p.sub = "x";
    EXPECT_EQ(p.resolve(ref), ref);
  }
}

TEST(ResolveSankashaRef, MalformedReferencesComeBackUnchanged) {
  Refs p;
  const int ms = p.addEvent("MS", kEight);
  p.playEight(ms, 1);
  p.printing(-1, -1);
  for (const char* ref : {"MS:", "MS:W", "MS:xW", "MS:3x", "MS:0", "MS:33", "MS:-1", "MS:2.5",
                          "MS:1.5W", "MS:99999999999W", ":1", "NO:1W", "MS:1x2W,補欠"}) {
    p.sub = "x";
    EXPECT_EQ(p.resolve(QString::fromUtf8(ref)), QString::fromUtf8(ref)) << ref;
    EXPECT_EQ(p.sub, "x") << ref;
  }
}

TEST(ResolveSankashaRef, LoopsEnd) {
  Refs p;
  // A champion named by the place it holds; two winners naming each other; a league place
  // naming itself.
  const int xs = p.addEvent("XS", {"XS:1", "b"});
  p.knockOut(xs, 2);
  p.win(xs, {{1, 0}});
  const int a = p.addEvent("A", {"B:1W", "a2"});
  p.knockOut(a, 2);
  p.win(a, {{1, 0}});
  const int b = p.addEvent("B", {"A:1W", "b2"});
  p.knockOut(b, 2);
  p.win(b, {{1, 0}});
  const int ms = p.addEvent("MS", {"MS:A-1"});
  p.block(ms, "A", {{0, 1}});
  p.printing(-1, -1);
  EXPECT_EQ(p.resolve("XS:1"), "XS:1");
  EXPECT_EQ(p.resolve("XS:2"), "b");
  EXPECT_EQ(p.resolve("A:1W"), "A:1W");
  EXPECT_EQ(p.resolve("MS:A-1"), "MS:A-1");

  // A long chain without a loop is cut too: the reference reached is printed.
  Refs c;
  const int links = 40;
  for (int i = 0; i < links; ++i) {
    const int e = c.addEvent(QStringLiteral("C%1").arg(i),
                             {i + 1 < links ? QStringLiteral("C%1:A-1").arg(i + 1) : "終点"});
    c.block(e, "A", {{0, 1}});
  }
  c.printing(-1, -1);
  const QString reached = c.resolve("C0:A-1");
  EXPECT_TRUE(reached.startsWith("C")) << reached.toStdString();
  EXPECT_EQ(c.resolve("C30:A-1"), "終点");
}

TEST(ResolveSankashaRef, SampleTournament) {
  test::TestProgram p;
  if (!QFileInfo::exists(test::SampleDataFolder() + test::SampleTaikaiFileName()))
    GTEST_SKIP() << "no sample tournament";
  ASSERT_TRUE(test::LoadSampleTournament(p.program));
  const QString kimura = "木村 翼,東町クラブ";
  const QString saito = "斎藤 勇気,緑川シャトル会";
  const QString yamada = "山田 優花,青葉クラブ";
  const struct {
    const char* ref;
    QString name;
    const char* sub;
  } cases[] = {
      {"MS:23W", kimura, "きむら つばさ"}, {"MS:23L", saito, "さいとう ゆうき"},
      {"MS:1", kimura, "x"}, {"MS:2", saito, "x"},
      {"WS：D－1", yamada, "やまだ ゆうか"},
      // The fourth qualifier is named as the suite writes a decided place: a name is
      // taken as it stands and brings no reading with it.
      {"WS:2", yamada, "x"},
      {"WS:3W", "WS:3W", ""},  // the final is not played yet
      {"XD:3", "林 雄一,福田 美穂,東町クラブ,東町クラブ", "x"},  // won the third-place match
      {"MT:Ａ-1", "MT:Ａ-1", "x"},  // the team event's blocks are named in full width
  };
  for (const auto& c : cases) {
    QString sub = "x";
    EXPECT_EQ(ResolveSankashaRef(p.program, QString::fromUtf8(c.ref), sub), c.name) << c.ref;
    EXPECT_EQ(sub, QString::fromUtf8(c.sub)) << c.ref;
  }
  // One index for all of them, as a drawing uses it, and twice over: the same answers.
  SankashaRefIndex index(p.program.taikai.Taikai);
  for (int round = 0; round < 2; ++round) {
    for (const auto& c : cases) {
      QString sub = "x";
      EXPECT_EQ(ResolveSankashaRef(p.program, index, QString::fromUtf8(c.ref), sub), c.name)
          << c.ref;
      EXPECT_EQ(sub, QString::fromUtf8(c.sub)) << c.ref;
    }
  }
}
