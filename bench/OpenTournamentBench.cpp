// Opening a large tournament, step by step and as one sequence, at several sizes.
//   open_tournament_bench [--benchmark_filter=...]
//   open_tournament_bench --write <folder> <events> <size>   writes a tournament there
//   open_tournament_bench --open-twice <folder> [--no-font-list]
//       opens it twice in this fresh process and prints both times: the first open of a
//       process against a warm one (under callgrind, compare the inclusive costs of
//       firstOpen and warmOpen); --no-font-list leaves the printer-font look-up out
//
// A tournament is generated once per size into a temporary folder, the way the suite
// writes it (CP932, CR LF): 16 or 32 events (singles and doubles) of 512 x size entries each
// (size 1 or 2: a knock-out reads back at most 1,024 entrants; --write refuses more),
// or 64 events of 61 (knock-outs) and 64 (leagues) entries, 4,000 in all, the size of a
// large city tournament; entries are
// listed by organisation with each event in one run; half of the events are played as one
// knock-out of every entry, the other half as a preliminary league of blocks of four that
// sends each block's winner to a final knock-out. Every match has its result, and there is
// a kana file with a reading for every player. The per-entry times (items/s) and the fitted
// complexity show whether a step grows faster than the tournament.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <memory>
#include <vector>

#include "data/InsatsuSeigyo.h"
#include "data/Kankyou.h"
#include "data/KekkaFile.h"
#include "data/LeagueResults.h"
#include "data/ReadLimits.h"
#include "data/SankashaRef.h"
#include "data/TaikaiFile.h"
#include "data/TaikaiState.h"
#include "data/Tournament.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"
#include "program/OpenTaikai.h"
#include "program/Program.h"

namespace {

constexpr int kBaseEntries = 512;
constexpr int kCityEvents = 64;  // the 4,000-entry tournament
constexpr int kPerOrganisation = 8;
const QString kTaikaiFile = QStringLiteral("大規模大会.tai");

// Answers every message with its first button and counts them: an open of the generated
// tournament should show none.
class CountingMessages : public platform::MessageSink {
 public:
  platform::MsgAnswer show(const QString&, const QString&, platform::MsgIcon,
                           platform::MsgButtons buttons) override {
    ++count;
    return buttons == platform::MsgButtons::YesNo || buttons == platform::MsgButtons::YesNoCancel
               ? platform::MsgAnswer::Yes
               : platform::MsgAnswer::Ok;
  }
  long long count = 0;
};

// ---- generation --------------------------------------------------------------------

const QStringList kFamily = {
    QStringLiteral("佐藤"), QStringLiteral("鈴木"), QStringLiteral("高橋"), QStringLiteral("田中"),
    QStringLiteral("伊藤"), QStringLiteral("渡辺"), QStringLiteral("山本"), QStringLiteral("中村"),
    QStringLiteral("小林"), QStringLiteral("加藤"), QStringLiteral("吉田"), QStringLiteral("山田"),
    QStringLiteral("佐々木"), QStringLiteral("山口"), QStringLiteral("松本"), QStringLiteral("井上"),
    QStringLiteral("木村"), QStringLiteral("林"), QStringLiteral("斎藤"), QStringLiteral("清水"),
    QStringLiteral("山崎"), QStringLiteral("森"), QStringLiteral("池田"), QStringLiteral("橋本"),
    QStringLiteral("阿部"), QStringLiteral("石川"), QStringLiteral("山下"), QStringLiteral("中島"),
    QStringLiteral("石井"), QStringLiteral("小川"), QStringLiteral("前田"), QStringLiteral("岡田"),
    QStringLiteral("長谷川"), QStringLiteral("藤田"), QStringLiteral("後藤"), QStringLiteral("近藤"),
    QStringLiteral("村上"), QStringLiteral("遠藤"), QStringLiteral("青木"), QStringLiteral("坂本")};
const QStringList kFamilyKana = {
    QStringLiteral("さとう"), QStringLiteral("すずき"), QStringLiteral("たかはし"), QStringLiteral("たなか"),
    QStringLiteral("いとう"), QStringLiteral("わたなべ"), QStringLiteral("やまもと"), QStringLiteral("なかむら"),
    QStringLiteral("こばやし"), QStringLiteral("かとう"), QStringLiteral("よしだ"), QStringLiteral("やまだ"),
    QStringLiteral("ささき"), QStringLiteral("やまぐち"), QStringLiteral("まつもと"), QStringLiteral("いのうえ"),
    QStringLiteral("きむら"), QStringLiteral("はやし"), QStringLiteral("さいとう"), QStringLiteral("しみず"),
    QStringLiteral("やまざき"), QStringLiteral("もり"), QStringLiteral("いけだ"), QStringLiteral("はしもと"),
    QStringLiteral("あべ"), QStringLiteral("いしかわ"), QStringLiteral("やました"), QStringLiteral("なかじま"),
    QStringLiteral("いしい"), QStringLiteral("おがわ"), QStringLiteral("まえだ"), QStringLiteral("おかだ"),
    QStringLiteral("はせがわ"), QStringLiteral("ふじた"), QStringLiteral("ごとう"), QStringLiteral("こんどう"),
    QStringLiteral("むらかみ"), QStringLiteral("えんどう"), QStringLiteral("あおき"), QStringLiteral("さかもと")};
// Given names of two parts, so that every player of the largest size has a name of his own.
const QStringList kGiven1 = {QStringLiteral("健"), QStringLiteral("翔"), QStringLiteral("大"),
                             QStringLiteral("拓"), QStringLiteral("亮"), QStringLiteral("誠"),
                             QStringLiteral("悠"), QStringLiteral("隆"), QStringLiteral("勇"),
                             QStringLiteral("直"), QStringLiteral("和"), QStringLiteral("美"),
                             QStringLiteral("愛"), QStringLiteral("優"), QStringLiteral("千"),
                             QStringLiteral("彩"), QStringLiteral("真"), QStringLiteral("杏"),
                             QStringLiteral("遥"), QStringLiteral("由"), QStringLiteral("恵"),
                             QStringLiteral("結"), QStringLiteral("七"), QStringLiteral("麻"),
                             QStringLiteral("光"), QStringLiteral("蓮"), QStringLiteral("陸"),
                             QStringLiteral("湊"), QStringLiteral("陽"), QStringLiteral("颯")};
const QStringList kGiven1Kana = {
    QStringLiteral("けん"), QStringLiteral("しょう"), QStringLiteral("だい"), QStringLiteral("たく"),
    QStringLiteral("りょう"), QStringLiteral("まこと"), QStringLiteral("ゆう"), QStringLiteral("たか"),
    QStringLiteral("ゆう"), QStringLiteral("なお"), QStringLiteral("かず"), QStringLiteral("み"),
    QStringLiteral("あい"), QStringLiteral("ゆう"), QStringLiteral("ち"), QStringLiteral("あや"),
    QStringLiteral("ま"), QStringLiteral("あん"), QStringLiteral("はる"), QStringLiteral("ゆ"),
    QStringLiteral("めぐ"), QStringLiteral("ゆい"), QStringLiteral("なな"), QStringLiteral("ま"),
    QStringLiteral("ひかる"), QStringLiteral("れん"), QStringLiteral("りく"), QStringLiteral("みなと"),
    QStringLiteral("ひな"), QStringLiteral("そう")};
const QStringList kGiven2 = {QStringLiteral("太"), QStringLiteral("一"), QStringLiteral("斗"),
                             QStringLiteral("也"), QStringLiteral("介"), QStringLiteral("樹"),
                             QStringLiteral("人"), QStringLiteral("輔"), QStringLiteral("平"),
                             QStringLiteral("郎"), QStringLiteral("子"), QStringLiteral("香"),
                             QStringLiteral("奈"), QStringLiteral("花"), QStringLiteral("里"),
                             QStringLiteral("菜"), QStringLiteral("穂"), QStringLiteral("乃"),
                             QStringLiteral("佳"), QStringLiteral("絵"), QStringLiteral("瑠"),
                             QStringLiteral("希"), QStringLiteral("生"), QStringLiteral("吾"),
                             QStringLiteral("弥"), QStringLiteral("志"), QStringLiteral("造"),
                             QStringLiteral("蔵"), QStringLiteral("馬"), QStringLiteral("彦"),
                             QStringLiteral("朗"), QStringLiteral("治"), QStringLiteral("雄"),
                             QStringLiteral("基"), QStringLiteral("登"), QStringLiteral("実"),
                             QStringLiteral("代"), QStringLiteral("世"), QStringLiteral("枝"),
                             QStringLiteral("江")};

struct Player {
  QString name;     // family, full-width space, given (as the suite writes it)
  QString key;      // the name as the entry holds it: half-width space
  QString reading;
};

Player player(int p) {
  const int f = p % kFamily.size();
  const int g1 = (p / kFamily.size()) % kGiven1.size();
  const int g2 = (p / (kFamily.size() * kGiven1.size())) % kGiven2.size();
  const QString given = kGiven1[g1] + kGiven2[g2];
  Player r;
  r.name = kFamily[f] + QStringLiteral("　") + given;
  r.key = kFamily[f] + QStringLiteral(" ") + given;
  r.reading = kFamilyKana[f] + QStringLiteral(" ") + kGiven1Kana[g1] + QString::number(g2);
  return r;
}

QString organisation(int k) {
  static const QStringList place = {
      QStringLiteral("青葉"), QStringLiteral("若草"), QStringLiteral("緑川"), QStringLiteral("東町"),
      QStringLiteral("桜台"), QStringLiteral("北山"), QStringLiteral("南浜"), QStringLiteral("西原"),
      QStringLiteral("中央"), QStringLiteral("港"),   QStringLiteral("城南"), QStringLiteral("川口"),
      QStringLiteral("高台"), QStringLiteral("松原"), QStringLiteral("竹園"), QStringLiteral("梅田")};
  static const QStringList kind = {QStringLiteral("クラブ"), QStringLiteral("ＢＣ"),
                                   QStringLiteral("シャトル会"), QStringLiteral("ＳＣ"),
                                   QStringLiteral("高校"), QStringLiteral("中学校"),
                                   QStringLiteral("クラブジュニア"), QStringLiteral("同好会")};
  const int round = k / (place.size() * kind.size());
  QString name = place[k % place.size()] + kind[(k / place.size()) % kind.size()];
  if (round > 0) name += QString::number(round + 1);
  return name;
}

struct EventPlan {
  QString name;
  QString ryakugou;
  bool doubles = false;
  bool league = false;  // preliminary league of blocks of four and a final knock-out
};

EventPlan eventPlan(int i) {
  static const QStringList sex = {QStringLiteral("男子"), QStringLiteral("女子")};
  EventPlan e;
  e.doubles = i % 2 == 1;
  e.league = (i / 2) % 2 == 1;
  const QString number = QString::number(i + 1).rightJustified(2, QChar('0'));
  e.name = QStringLiteral("一般%1%2%3")
               .arg(sex[(i / 4) % 2], e.doubles ? QStringLiteral("ダブルス") : QStringLiteral("シングルス"),
                    number);
  e.ryakugou = QStringLiteral("%1%2%3")
                   .arg((i / 4) % 2 ? QStringLiteral("W") : QStringLiteral("M"),
                        e.doubles ? QStringLiteral("D") : QStringLiteral("S"), number);
  return e;
}

// Draw number of entry j among n (a power of two): a fixed shuffle.
int drawOf(int j, int n) { return static_cast<int>((static_cast<long long>(j) * 37 + 11) % n); }

// A result text from the upper side's view.
QString score(bool upperWon, int seed) {
  const int a = 10 + seed % 10;
  const int b = 12 + (seed / 10) % 9;
  return upperWon ? QStringLiteral("2:0:21-%1:21-%2:::").arg(a).arg(b)
                  : QStringLiteral("0:2:%1-21:%2-21:::").arg(a).arg(b);
}

// The match lines of a knock-out of n entrants standing on draw positions 0 … n-1:
// entrantAtDraw[d] is the value the draw holds there (an entry or a qualifier index).
// Winners are written as the suite writes them, mostly as indexes, now and then as the
// upper (-10) or lower (-20) side.
void appendKnockOut(QStringList& out, const std::vector<int>& entrantAtDraw) {
  qv::TaikaiState none;
  qv::TournamentRec t;
  t.SankaCount = static_cast<int>(entrantAtDraw.size());
  t.ShumokuCode = -1;
  qv::MakeTournament(none, t);
  const int n = t.SankaCount;
  std::vector<int> w(static_cast<size_t>(t.TaisenCount) + 1, -1);
  for (int d = 0; d < n; ++d)
    w[static_cast<size_t>(t.SeedCount + t.RenbanPos[static_cast<size_t>(d) + 1])] =
        entrantAtDraw[static_cast<size_t>(d)];
  std::vector<QString> lines(static_cast<size_t>(n) + 1);
  std::vector<int> loser(static_cast<size_t>(t.TaisenCount) + 1, -1);
  for (int k = t.TaisenCount; k >= 1; --k) {
    const qv::TaisenRec& node = t.Taisens[static_cast<size_t>(k)];
    if (node.Taisen1 < 0 && node.Taisen2 < 0) continue;  // leaf
    if (node.Taisen1 < 0 || node.Taisen2 < 0) {
      w[static_cast<size_t>(k)] = w[static_cast<size_t>(node.Taisen1 < 0 ? node.Taisen2 : node.Taisen1)];
      continue;
    }
    const int a = w[static_cast<size_t>(node.Taisen1)];
    const int b = w[static_cast<size_t>(node.Taisen2)];
    const bool upper = ((a * 7 + b * 13 + k) % 3) != 0;
    w[static_cast<size_t>(k)] = upper ? a : b;
    loser[static_cast<size_t>(k)] = upper ? b : a;
    const int m = node.ShiaiBangou.toInt();
    const QString winner = k % 5 == 0 ? QString::number(upper ? -10 : -20)
                                      : QString::number(upper ? a : b);
    if (m >= 1 && m <= n)
      lines[static_cast<size_t>(m)] =
          QStringLiteral("対戦=%1,%2,%3,済,,,,,").arg(m).arg(score(upper, k), winner);
  }
  // Third place: the losers of the semi-finals.
  if (t.TaisenCount >= 7) {
    lines[static_cast<size_t>(n)] = QStringLiteral("対戦=%1,%2,%3,済,,,,,")
                                         .arg(n)
                                         .arg(score(true, n), QString::number(loser[2]));
  }
  for (int m = 1; m <= n; ++m)
    if (!lines[static_cast<size_t>(m)].isEmpty()) out << lines[static_cast<size_t>(m)];
}

// Entries of event i: 512 x size, or in the 64-event tournament 64 for a league (blocks
// of four) and 61 for a knock-out (a draw with byes).
int entriesOf(const EventPlan& e, int events, int scale) {
  if (events == kCityEvents) return e.league ? 64 : 61;
  return kBaseEntries * scale;
}

struct Generated {
  std::unique_ptr<QTemporaryDir> dir;
  QString programFolder;
  QString dataFolder;
  int entries = 0;  // over all events
};

bool writeLines(const QString& path, const QStringList& lines) {
  return platform::writeTextLines(path, lines);
}

// Why a tournament of these events and size would not read back whole (a knock-out above
// the reader's limits builds no draw, and the results of one could not be written either);
// empty when it fits.
QString beyondReadLimits(int events, int scale) {
  if (events < 1 || scale < 1) return QStringLiteral("events and size must be at least 1");
  long long leagueSlots = 0, matches = 0, qualifiers = 0, nodes = 0;
  for (int i = 0; i < events; ++i) {
    const EventPlan e = eventPlan(i);
    const long long n = entriesOf(e, events, scale);
    const long long draw = e.league ? n / 4 : n;  // the final of the block winners
    if (draw > qv::kMaxTournamentEntrants) {
      return QStringLiteral("%1 has a knock-out of %2 entrants, above the read limit of %3")
          .arg(e.name)
          .arg(draw)
          .arg(qv::kMaxTournamentEntrants);
    }
    nodes += qv::GetTournamentNodeCount(static_cast<int>(draw)) + 1;
    if (e.league) {
      leagueSlots += n;
      matches += n / 4 * 6;
      qualifiers += n / 4;
    }
  }
  const struct {
    long long used;
    qv::ReadLimit limit;
    const char* what;
  } totals[] = {{leagueSlots, qv::ReadLimit::FileSlots, "league entrants"},
                {matches, qv::ReadLimit::FileMatches, "league matches"},
                {qualifiers, qv::ReadLimit::FileQualifiers, "qualifiers"},
                {nodes, qv::ReadLimit::FileNodes, "knock-out nodes"}};
  for (const auto& t : totals) {
    if (t.used > qv::ReadLimitValue(t.limit)) {
      return QStringLiteral("%1 %2 in the file, above the read limit of %3")
          .arg(t.used)
          .arg(QString::fromLatin1(t.what))
          .arg(qv::ReadLimitValue(t.limit));
    }
  }
  return QString();
}

// Writes the tournament into folder/program and folder/data; a temporary folder when
// folder is empty. The events and size must fit the read limits (beyondReadLimits).
Generated generate(int events, int scale, const QString& folder = QString()) {
  if (const QString why = beyondReadLimits(events, scale); !why.isEmpty())
    qFatal("generated tournament: %s", qPrintable(why));
  Generated g;
  if (folder.isEmpty()) g.dir = std::make_unique<QTemporaryDir>();
  const QDir base(folder.isEmpty() ? g.dir->path() : folder);
  g.programFolder = base.filePath(QStringLiteral("program")) + "/";
  g.dataFolder = base.filePath(QStringLiteral("data")) + "/";
  QDir().mkpath(g.programFolder);
  QDir().mkpath(g.dataFolder);
  const QDir samples(QStringLiteral(QUORVANE_SOURCE_DIR "/samples/program"));
  for (const QString& name : {QStringLiteral("Quorvane.cfg"), QStringLiteral("User.dat"),
                              QStringLiteral("定型文章.txt"), QStringLiteral("外字定義.txt")})
    QFile::copy(samples.filePath(name), g.programFolder + name);

  const int pool = 256 * scale;  // organisations; each event draws on a part of them
  QStringList tai = {QStringLiteral("【大会データ】"),
                     QStringLiteral("大会名=第１回　大規模バドミントン大会"),
                     QStringLiteral("開催日=2026.06.14-15"),
                     QStringLiteral("協会名=青葉市バドミントン協会"),
                     QStringLiteral("参加資格=市協登録者"),
                     QStringLiteral("OPTION=略号表示")};
  for (int i = 0; i < events; ++i) {
    const EventPlan e = eventPlan(i);
    tai << QStringLiteral("種目=%1,%2,%3,%4")
               .arg(e.name, (i / 4) % 2 ? QStringLiteral("女子") : QStringLiteral("男子"),
                    e.doubles ? QStringLiteral("複") : QStringLiteral("単"), e.ryakugou);
  }
  tai << QStringLiteral("【申込団体別参加者名簿】");
  QStringList kana;
  QStringList kai = {QStringLiteral("Ver=4.12"),
                     QStringLiteral("【大会データ】"),
                     QStringLiteral("会場=青葉市総合体育館"),
                     QStringLiteral("コート数=24"),
                     QStringLiteral("リーグ審判=相互審判"),
                     QStringLiteral("トーナメント審判=敗者審判"),
                     QStringLiteral("【対戦データ】")};
  QStringList layout;
  int playerNo = 0;
  for (int i = 0; i < events; ++i) {
    const EventPlan e = eventPlan(i);
    const int n = entriesOf(e, events, scale);
    // Entries: kPerOrganisation in a row from each organisation.
    std::vector<QString> hyouji(static_cast<size_t>(n));
    for (int j = 0; j < n; ++j) {
      const int group = j / kPerOrganisation;
      const QString org = organisation((i * 53 + group) % pool);
      if (j % kPerOrganisation == 0) tai << QStringLiteral("団体=") + org;
      // A quarter of the organisations give their players' district.
      const QString aff = group % 4 == 0 ? org + QStringLiteral("[北地区]") : QString();
      const Player a = player(playerNo++);
      kana << a.key + QChar(',') + a.reading;
      const QString draw = QString::number(drawOf(j, n));
      if (e.doubles) {
        const Player b = player(playerNo++);
        kana << b.key + QChar(',') + b.reading;
        tai << QStringLiteral("%1,%2,%3,%4,,%5").arg(e.ryakugou, a.name, b.name, aff, draw);
        hyouji[static_cast<size_t>(j)] = a.key + QChar(u'・') + b.key + QChar(':') + org;
      } else {
        tai << QStringLiteral("%1,%2,%3,%4").arg(e.ryakugou, a.name, aff, draw);
        hyouji[static_cast<size_t>(j)] = a.key + QChar(':') + org;
      }
    }
    std::vector<int> entryAtDraw(static_cast<size_t>(n));
    for (int j = 0; j < n; ++j) entryAtDraw[static_cast<size_t>(drawOf(j, n))] = j;

    kai << QStringLiteral("[%1],%2").arg(e.name, e.ryakugou);
    if (!e.league) {
      kai << QStringLiteral("対戦方式=トーナメント") << QStringLiteral("組合せ数=%1").arg(n)
          << QStringLiteral("シード数=8") << QStringLiteral("ラリーポイント=1")
          << QStringLiteral("トーナメント=トーナメント") << QStringLiteral("組合せ数=%1").arg(n)
          << QStringLiteral("決定順位=1") << QStringLiteral("決勝トーナメント印刷配置頁=1")
          << QStringLiteral("上位トーナメント印刷=8,2") << QStringLiteral("ポイント数=21");
      appendKnockOut(kai, entryAtDraw);
    } else {
      const int blocks = n / 4;
      kai << QStringLiteral("対戦方式=予選リーグ＋決勝トーナメント")
          << QStringLiteral("組合せ数=%1").arg(n) << QStringLiteral("ラリーポイント=1")
          << QStringLiteral("予選リーグ=予選リーグ") << QStringLiteral("決勝進出順位=1,１位")
          << QStringLiteral("先頭ブロック名称=1") << QStringLiteral("対戦回数=1")
          << QStringLiteral("予選リーグ印刷配置頁=4");
      static const int pairs[6][2] = {{0, 1}, {2, 3}, {0, 2}, {1, 3}, {0, 3}, {1, 2}};
      std::vector<int> blockWinner(static_cast<size_t>(blocks));
      int label = 0;
      for (int b = 0; b < blocks; ++b) {
        kai << QStringLiteral("ブロック=%1").arg(b + 1) << QStringLiteral("ポイント数=213")
            << QStringLiteral("試合数=6") << QStringLiteral("参加者数=4");
        int place[4];
        for (int s = 0; s < 4; ++s) {
          place[s] = (s + b) % 4 + 1;
          const int entry = entryAtDraw[static_cast<size_t>(4 * b + s)];
          kai << QStringLiteral("参加者=%1,%2").arg(entry).arg(place[s]);
          if (place[s] == 1) blockWinner[static_cast<size_t>(b)] = entry;
        }
        for (int m = 0; m < 6; ++m) {
          const int s1 = pairs[m][0];
          const int s2 = pairs[m][1];
          const bool upper = place[s1] < place[s2];
          ++label;
          kai << QStringLiteral("試合=%1,%2,0,%3,%4,%5,%6,済,,,,,")
                     .arg(label)
                     .arg(m + 1)
                     .arg(score(upper, label))
                     .arg(upper ? s1 : s2)
                     .arg(s1)
                     .arg(s2);
        }
      }
      // Each block's winner goes on; qualifier q stands on a shuffled draw position.
      kai << QStringLiteral("決勝進出者数=%1").arg(blocks);
      std::vector<int> qualifierAtDraw(static_cast<size_t>(blocks));
      for (int q = 0; q < blocks; ++q) {
        const int d = drawOf(q, blocks);
        qualifierAtDraw[static_cast<size_t>(d)] = q;
        const int entry = blockWinner[static_cast<size_t>(q)];
        kai << QStringLiteral("決勝進出者=%1,1,%2,%3,0,%4")
                   .arg(q + 1)
                   .arg(entry)
                   .arg(hyouji[static_cast<size_t>(entry)])
                   .arg(d);
      }
      kai << QStringLiteral("トーナメント=決勝トーナメント") << QStringLiteral("組合せ数=%1").arg(blocks)
          << QStringLiteral("決定順位=1") << QStringLiteral("決勝トーナメント印刷配置頁=3")
          << QStringLiteral("ポイント数=21");
      appendKnockOut(kai, qualifierAtDraw);
    }
    // Print layout: a page per 32 entrants of the event's draw.
    for (int p = 0; p < n / 32; ++p) {
      layout << QStringLiteral("[頁データ]") << QStringLiteral("頁固定印刷=1,1,1,0,0,0,0,0,0,0,0,0,0,1")
             << QStringLiteral("[領域データ]") << QStringLiteral("位置=20,190,25,280")
             << QStringLiteral("分割数=1,1") << QStringLiteral("[配置データ]");
      if (e.league && p % 2 == 0)
        layout << QStringLiteral("リーグ=") + e.name;
      else
        layout << QStringLiteral("トーナメント=%1,%2").arg(e.name).arg(p + 1);
    }
  }
  kai << QStringLiteral("【印刷制御データ】") << QStringLiteral("用紙=A4,210,297,20,20,15,15")
      << QStringLiteral("頁固定文字フォント=ＭＳ 明朝")
      << QStringLiteral("頁固定文字=1,20,7,5,&大会名") << QStringLiteral("頁固定文字=1,115,9,3.5,&開催日会場名")
      << QStringLiteral("頁固定文字=0,100,282,3.5,&頁") << QStringLiteral("先頭頁頁番号=1")
      << QStringLiteral("ポイント表示=0") << QStringLiteral("印刷頁指示=0,1,5");
  kai << layout;

  const QString kai_name = qv::KekkaFileName(kTaikaiFile);
  const QString kan_name = kTaikaiFile.chopped(3) + QStringLiteral("kan");
  if (!writeLines(g.dataFolder + kTaikaiFile, tai) || !writeLines(g.dataFolder + kai_name, kai) ||
      !writeLines(g.dataFolder + kan_name, kana)) {
    qFatal("cannot write the generated tournament");
  }
  for (int i = 0; i < events; ++i) g.entries += entriesOf(eventPlan(i), events, scale);
  return g;
}

// The benchmark's tournament: argument 0 is the size, argument 1 (when given) the number
// of events, 16 by default.
const Generated& tournament(const benchmark::State& state) {
  static std::map<std::pair<int, int>, Generated> made;
  const int scale = static_cast<int>(state.range(0));
  const int events = state.range(1) > 0 ? static_cast<int>(state.range(1)) : 16;
  auto it = made.find({events, scale});
  if (it == made.end()) it = made.emplace(std::pair{events, scale}, generate(events, scale)).first;
  return it->second;
}

// ---- the steps -----------------------------------------------------------------------

struct Session {
  explicit Session(const Generated& g) : Session(g.programFolder, g.dataFolder) {}
  Session(const QString& programFolderPath, const QString& dataFolderPath)
      : clock(QDateTime(QDate(2026, 6, 14), QTime(9, 0))),
        program(messages, clock, programFolderPath), dataFolder(dataFolderPath) {}
  CountingMessages messages;
  platform::FixedClock clock;
  qv::Program program;
  QString dataFolder;
};

void readKankyou(Session& s) {
  qv::ReadKankyouTeigi(s.program);
  s.program.taikai.DataFolder = s.dataFolder;
}

// The configuration and the data file alone, for timing the readers one by one.
void readTaikai(Session& s) {
  readKankyou(s);
  if (!qv::ReadTaikaiFile(s.program, kTaikaiFile)) qFatal("data file not read");
}

// The configuration, then the tournament opened as the program opens it.
void openTaikai(Session& s) {
  readKankyou(s);
  if (qv::OpenTaikai(s.program, kTaikaiFile) != qv::OpenTaikaiResult::Opened)
    qFatal("tournament not opened");
}

// Resolves every entry text and every qualifier text of every event, as the printers do.
long long resolveAll(qv::Program& program) {
  long long n = 0;
  auto& events = program.taikai.Taikai.Shumoku;
  QString sub;
  for (int e = 0; e < static_cast<int>(events.size()); ++e) {
    qv::SankashaRefContext refs{e, -1, QString()};
    const auto& entries = events[static_cast<size_t>(e)].Sankasha;
    for (int j = 0; j < static_cast<int>(entries.size()); ++j) {
      refs.SankashaIndex = j;
      benchmark::DoNotOptimize(qv::ResolveSankashaRef(program, refs, entries[static_cast<size_t>(j)].Name, sub));
      ++n;
    }
    for (const auto& q : events[static_cast<size_t>(e)].KesshouShinshutsu) {
      benchmark::DoNotOptimize(qv::ResolveSankashaRef(program, refs, q.Hyouji, sub));
      ++n;
    }
  }
  return n;
}

// References as a later stage's entries hold them: the winner of every knock-out match and
// the winner of every league block. Not part of the open; it shows what each reference
// costs against the size of the draw it points into.
QStringList referenceTexts(const qv::Program& program) {
  QStringList texts;
  for (const qv::ShumokuRec& e : program.taikai.Taikai.Shumoku) {
    if (e.YosenLeagueAri > 0) {
      for (const qv::LeagueBlockRec& b : e.YosenLeague.Blocks)
        texts << e.Ryakugou + QChar(':') + b.Name + QStringLiteral("-1");
    } else if (!e.Tournaments.empty()) {
      for (int m = 1; m < e.Tournaments.front().SankaCount; ++m)
        texts << e.Ryakugou + QChar(':') + QString::number(m) + QChar('W');
    }
  }
  return texts;
}

// The whole open as the program does it, then every entry resolved as the printers do.
std::unique_ptr<Session> openTournament(const QString& programFolder, const QString& dataFolder,
                                        bool fontList) {
  auto s = std::make_unique<Session>(programFolder, dataFolder);
  if (!fontList) s->program.getPrinterFonts = nullptr;
  openTaikai(*s);
  qv::MakeAllLeagueResults(s->program);
  resolveAll(s->program);
  return s;
}

// Resolves the texts as one drawing does: through one index of the unchanged tournament.
// Returns how many stayed unresolved.
long long resolveReferences(qv::Program& program, const QStringList& texts) {
  qv::SankashaRefIndex index(program.taikai.Taikai);
  long long unresolved = 0;
  QString sub;
  for (const QString& text : texts)
    if (qv::ResolveSankashaRef(program, index, text, sub) == text) ++unresolved;
  return unresolved;
}

void finish(benchmark::State& state, const Generated& g, const Session& s) {
  state.SetItemsProcessed(state.iterations() * g.entries);
  state.SetComplexityN(g.entries);
  state.counters["entries"] = g.entries;
  state.counters["messages"] = static_cast<double>(s.messages.count);
}

// What the open read, as a check on the generated files: entries with their reading from
// the kana file, knock-outs with a champion, league blocks whose every slot played all
// its matches.
void countOpened(benchmark::State& state, const qv::Program& program) {
  double readings = 0, champions = 0, finishedBlocks = 0;
  for (const qv::ShumokuRec& e : program.taikai.Taikai.Shumoku) {
    for (const qv::SankashaRec& s : e.Sankasha) readings += s.SubText.isEmpty() ? 0 : 1;
    for (const qv::TournamentRec& t : e.Tournaments)
      champions += t.Taisens.size() > 1 && t.Taisens[1].Shousha >= 0 ? 1 : 0;
    for (const qv::LeagueBlockRec& b : e.YosenLeague.Blocks) {
      bool done = !b.Juni.empty();
      for (const qv::LeagueJuniRec& j : b.Juni) done = done && j.Kachi + j.Make == 3;
      finishedBlocks += done ? 1 : 0;
    }
  }
  state.counters["readings"] = readings;
  state.counters["champions"] = champions;
  state.counters["finishedBlocks"] = finishedBlocks;
}

void BM_ReadKankyouAndTaikai(benchmark::State& state) {
  const Generated& g = tournament(state);
  std::unique_ptr<Session> last;
  for (auto _ : state) {
    state.PauseTiming();
    auto s = std::make_unique<Session>(g);
    state.ResumeTiming();
    readTaikai(*s);
    state.PauseTiming();
    last = std::move(s);
    state.ResumeTiming();
  }
  finish(state, g, *last);
}

void BM_ReadKekkaFile(benchmark::State& state) {
  const Generated& g = tournament(state);
  std::unique_ptr<Session> last;
  for (auto _ : state) {
    state.PauseTiming();
    auto s = std::make_unique<Session>(g);
    readTaikai(*s);
    qv::ResetInsatsuSeigyoForTournament(s->program);
    state.ResumeTiming();
    qv::ReadKekkaFile(s->program);
    state.PauseTiming();
    last = std::move(s);
    state.ResumeTiming();
  }
  finish(state, g, *last);
}

void BM_MakeAllLeagueResults(benchmark::State& state) {
  const Generated& g = tournament(state);
  Session s(g);
  openTaikai(s);
  for (auto _ : state) qv::MakeAllLeagueResults(s.program);
  finish(state, g, s);
}

void BM_ResolveSankashaRef(benchmark::State& state) {
  const Generated& g = tournament(state);
  Session s(g);
  openTaikai(s);
  qv::MakeAllLeagueResults(s.program);
  long long resolved = 0;
  for (auto _ : state) resolved = resolveAll(s.program);
  finish(state, g, s);
  state.counters["texts"] = static_cast<double>(resolved);
}

void BM_ResolveReferences(benchmark::State& state) {
  const Generated& g = tournament(state);
  Session s(g);
  openTaikai(s);
  qv::MakeAllLeagueResults(s.program);
  const QStringList texts = referenceTexts(s.program);
  long long unresolved = 0;
  for (auto _ : state) unresolved = resolveReferences(s.program, texts);
  finish(state, g, s);
  state.counters["texts"] = static_cast<double>(texts.size());
  state.counters["unresolved"] = static_cast<double>(unresolved);
}

void BM_OpenTournament(benchmark::State& state) {
  const Generated& g = tournament(state);
  std::unique_ptr<Session> last;
  for (auto _ : state) {
    auto s = openTournament(g.programFolder, g.dataFolder, true);
    state.PauseTiming();
    last = std::move(s);  // the old session's teardown is not the open's work
    state.ResumeTiming();
  }
  finish(state, g, *last);
  countOpened(state, last->program);
}

// Arguments: size, events. The growing sizes fit a complexity; the 64-event tournament
// stands alone.
// Beyond size 2 a knock-out of 16 events would pass the reader's limit of 1,024 entrants:
// the largest tournament has twice the events instead.
#define SIZES ->Args({1, 16})->Args({2, 16})->Args({2, 32})->Unit(benchmark::kMillisecond)->Complexity()
#define CITY ->Args({1, kCityEvents})->Unit(benchmark::kMillisecond)
BENCHMARK(BM_ReadKankyouAndTaikai) SIZES;
BENCHMARK(BM_ReadKankyouAndTaikai) CITY;
BENCHMARK(BM_ReadKekkaFile) SIZES;
BENCHMARK(BM_ReadKekkaFile) CITY;
BENCHMARK(BM_MakeAllLeagueResults) SIZES;
BENCHMARK(BM_ResolveSankashaRef) SIZES;
BENCHMARK(BM_OpenTournament) SIZES;
BENCHMARK(BM_OpenTournament) CITY;
BENCHMARK(BM_ResolveReferences) SIZES;
BENCHMARK(BM_ResolveReferences) CITY;

// Kept apart (not inlined, not folded into one) so that a profiler shows each open.
[[gnu::noipa]] std::unique_ptr<Session> firstOpen(const QString& folder, bool fontList) {
  return openTournament(folder + "/program/", folder + "/data/", fontList);
}
[[gnu::noipa]] std::unique_ptr<Session> warmOpen(const QString& folder, bool fontList) {
  return openTournament(folder + "/program/", folder + "/data/", fontList);
}

int openTwice(const QString& folder, bool fontList) {
  QElapsedTimer timer;
  timer.start();
  auto first = firstOpen(folder, fontList);
  const double firstMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  timer.restart();
  auto warm = warmOpen(folder, fontList);
  const double warmMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  std::printf("first open %.2f ms, warm open %.2f ms, ratio %.2f, messages %lld\n", firstMs,
              warmMs, firstMs / warmMs, warm->messages.count);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() >= 5 && args[1] == QStringLiteral("--write")) {
    const int events = args[3].toInt();
    const int scale = args[4].toInt();
    if (const QString why = beyondReadLimits(events, scale); !why.isEmpty()) {
      std::fprintf(stderr, "open_tournament_bench: cannot write %s %s: %s\n", qPrintable(args[3]),
                   qPrintable(args[4]), qPrintable(why));
      return 1;
    }
    const Generated g = generate(events, scale, args[2]);
    std::printf("%d entries\n", g.entries);
    return 0;
  }
  if (args.size() >= 3 && args[1] == QStringLiteral("--open-twice"))
    return openTwice(args[2], !args.contains(QStringLiteral("--no-font-list")));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
