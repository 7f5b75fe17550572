// Prints the sample tournament's league tables into a PDF file, to look at:
//   league_look out.pdf
// Page 1: the women's singles blocks as the layout prints them (affiliation column, scores).
// Page 2: the same blocks with the won-lost column, match numbers and schedule texts.
// Page 3: the men's team event with the tie totals, and with marks.
// Page 4: doubles and three-player blocks made up from the sample's entries, and a singles
// block with the affiliations under the names and highlighted names.

#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>

#include <cstdio>

#include "charts/League.h"
#include "data/InsatsuSeigyo.h"
#include "data/InsatsuUnits.h"
#include "data/Kankyou.h"
#include "data/KekkaFile.h"
#include "data/LeagueResults.h"
#include "data/TaikaiFile.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/QtPrintSurface.h"
#include "program/Program.h"

namespace {

class QuietMessages : public platform::MessageSink {
 public:
  platform::MsgAnswer show(const QString& title, const QString& text, platform::MsgIcon,
                           platform::MsgButtons) override {
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    return platform::MsgAnswer::Ok;
  }
};

int FindEvent(const qv::Program& p, const QString& ryakugou) {
  const auto& events = p.taikai.Taikai.Shumoku;
  for (size_t i = 0; i < events.size(); ++i)
    if (events[i].Ryakugou == ryakugou) return static_cast<int>(i);
  return -1;
}

void PrintBlock(qv::Program& p, int e, int b, double x, double y, double w, double h) {
  const qv::AreaRect box{static_cast<float>(x), static_cast<float>(x + w),
                        static_cast<float>(y), static_cast<float>(y + h)};
  qv::MakeLeagueResults(p, e, b);
  auto env = p.chartEnv();
  qv::PrintLeague(env, box, e, b);
}

// Block 0 of the event across the page from y, the others two to a row under it.
void PrintBlocks(qv::Program& p, int e, double y, double h0, double h) {
  if (e < 0) return;
  PrintBlock(p, e, 0, 10, y, 190, h0);
  const int blocks = p.taikai.Taikai.Shumoku[static_cast<size_t>(e)].YosenLeague.BlockCount;
  for (int b = 1; b < blocks; ++b)
    PrintBlock(p, e, b, 10 + ((b - 1) % 2) * 98, y + h0 + 8 + ((b - 1) / 2) * (h + 8), 92, h);
}

void Caption(qv::Program& p, double y, const QString& text) {
  p.device.PrintStr(10, y, 4, 4, 4, 0, text);
}

// A made-up event of the given kind whose one block holds the given entry texts.
int AddEvent(qv::Program& p, const QString& name, const QString& shubetsu,
             const QStringList& entries, const QStringList& results) {
  qv::ShumokuRec ev;
  ev.Name = name;
  ev.Ryakugou = QStringLiteral("ZZ");
  ev.Shubetsu = shubetsu;
  qv::LeagueBlockRec b;
  b.Name = QStringLiteral("A");
  b.PointSuu = 213;
  b.SankashaSuu = static_cast<int>(entries.size());
  for (qsizetype i = 0; i < entries.size(); ++i) {
    qv::SankashaRec s;
    s.Name = entries[i];
    ev.Sankasha.push_back(s);
    b.Sankasha.push_back(static_cast<int>(i));
    b.SankashaIchi.push_back(static_cast<int>(i) + 1);
    b.SankashaShiaiSuu.push_back(0);
    b.Juni.emplace_back();
  }
  ev.SankashaCount = static_cast<int>(entries.size());
  int k = 0;
  for (int i = 0; i < b.SankashaSuu; ++i)
    for (int j = i + 1; j < b.SankashaSuu; ++j, ++k) {
      qv::LeagueTaisenRec m;
      m.Taisen1 = i;
      m.Taisen2 = j;
      m.ShiaiBangou = m.ShiaiBangouHyouji = QString::number(k + 1);
      m.TaisenKekka = k < results.size() ? results[k] : QString();
      m.Shousha = m.TaisenKekka.startsWith('2') ? i : j;
      b.Taisen.push_back(m);
      b.TaisenIndex.push_back(k);
    }
  b.TaisenCount = k;
  ev.YosenLeague.Blocks.push_back(b);
  ev.YosenLeague.BlockCount = 1;
  ev.YosenLeagueAri = 1;
  auto& t = p.taikai.Taikai;
  t.Shumoku.push_back(ev);
  t.ShumokuCount = static_cast<int>(t.Shumoku.size());
  return t.ShumokuCount - 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: league_look out.pdf\n");
    return 2;
  }
  QuietMessages messages;
  platform::SystemClock clock;
  qv::Program p(messages, clock, QStringLiteral(QUORVANE_SOURCE_DIR "/samples/program/"));
  qv::ReadKankyouTeigi(p);
  p.taikai.DataFolder = QStringLiteral(QUORVANE_SOURCE_DIR "/samples/data/");
  if (!qv::ReadTaikaiFile(p, QStringLiteral("青葉市民大会.tai"))) {
    std::fprintf(stderr, "the sample tournament did not open\n");
    return 1;
  }
  qv::ResetInsatsuSeigyoForTournament(p);
  qv::ReadKekkaFile(p);
  qv::MakeInsatsuUnitList(p);

  QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
  writer.setResolution(600);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
  platform::QtPrintSurface surface(writer);
  p.device.OpenPrint(surface, p.kankyou.InsatsuFont, p.programFolder);

  const int ws = FindEvent(p, QStringLiteral("WS"));
  const int mt = FindEvent(p, QStringLiteral("MT"));
  auto& sw = p.taikai.sw;
  auto& pointHyouji = p.insatsu.InsatsuSeigyo.PointHyouji;

  Caption(p, 8, QStringLiteral("女子単　スコア表示"));
  sw.LeagueMeisaiMode = 0;
  PrintBlocks(p, ws, 16, 60, 50);

  p.device.NewPage();
  Caption(p, 8, QStringLiteral("勝敗欄・試合番号／日程"));
  sw.LeagueMeisaiMode = 1;
  pointHyouji = 1;
  PrintBlocks(p, ws, 16, 60, 50);
  const QString nittei = p.taikai.NitteiFileName;
  p.taikai.NitteiFileName.clear();
  PrintBlock(p, ws, 0, 10, 200, 120, 36);
  PrintBlock(p, ws, 1, 10, 244, 92, 30);
  PrintBlock(p, ws, 2, 108, 244, 92, 30);
  p.taikai.NitteiFileName = nittei;
  pointHyouji = 0;

  p.device.NewPage();
  Caption(p, 8, QStringLiteral("団体　対戦集計／勝敗"));
  sw.LeagueMeisaiMode = 2;
  PrintBlocks(p, mt, 16, 60, 50);
  sw.LeagueMeisaiMode = 0;
  PrintBlocks(p, mt, 150, 60, 50);

  p.device.NewPage();
  Caption(p, 8, QStringLiteral("複・３人　所属改行・強調"));
  const int wd = AddEvent(p, QStringLiteral("女子複"), QStringLiteral("複"),
                          {QStringLiteral("鈴木 美咲,田中 愛,青葉クラブ,青葉クラブ"),
                           QStringLiteral("小川 遥,佐藤 舞,緑川シャトル会,若草ＢＣ"),
                           QStringLiteral("高橋 恵,伊藤 由美,東町クラブ,東町クラブ"),
                           QStringLiteral("渡辺 彩,山本 結衣,桜台ＳＣ,青葉北高校")},
                          {QStringLiteral("2:0:21-15:21-18"), QStringLiteral("1:2:21-19:17-21:18-21"),
                           QStringLiteral(""), QStringLiteral("2:1:21-10:19-21:21-17")});
  PrintBlock(p, wd, 0, 10, 16, 190, 56);
  const int trio = AddEvent(p, QStringLiteral("３人制"), QStringLiteral("３人"),
                            {QStringLiteral("木村 翼,林 雄一,清水 航,東町,東町,東町"),
                             QStringLiteral("中村 亮,小林 誠,加藤 悠斗,若草,若草,青葉"),
                             QStringLiteral("山口 蓮,森 浩二,内田 康弘,桜台,緑川,青葉")},
                            {QStringLiteral("2:0:21-5:21-9"), QStringLiteral("X:0"), QStringLiteral("")});
  PrintBlock(p, trio, 0, 10, 80, 190, 70);
  sw.TaikaiOptions << QStringLiteral("リーグ戦所属改行");
  p.printFilters.TeamFilter = QStringLiteral("緑川");
  PrintBlock(p, ws, 0, 10, 160, 120, 56);
  p.device.ClosePrint();
  return 0;
}
