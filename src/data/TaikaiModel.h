#pragma once
// The tournament header, its events and their entries.

#include <QString>
#include <QStringList>

#include <vector>

#include "data/LeagueModel.h"
#include "data/TournamentModel.h"

namespace qv {

// Per-event print settings; the results file's EXCEL= line may replace the texts.
struct ShumokuInsatsuRec {
  bool Flag = true;
  QString Texts[10] = {"任", "左右", "なし", "無", "全", "1.0", "ＭＳ 明朝", "10.5", "塗り", "カラー"};
  int Value1 = 0;
  int Value2 = 0;
};

struct SankashaRec {
  QString ShumokuName;     // name of the owning event
  QString Name;            // entrant text: names and affiliations joined by commas, a team, a reference
  QString GroupName;       // group texts, distinct ones joined by "／"
  QString SubText;         // further per-player text
  int SeqNo = 0;           // position in its event when read
  bool Sakujo = false;     // deleted mark
  int Value1 = 0;
  int Bangou = -1;         // draw number; -1 none
  int Value2 = 0;
  int KachiagariLevel = 0; // + level of the last match won, - level of the match lost
  QString Text1;
  int Value3 = 0;
  int Value4 = 0;
  int Value5 = 0;
  int ShozokuNaiJun = 0;   // order within a run of the same affiliation; 0 when alone
  int Value6 = 0;
  int Value7 = 0;
};

struct ShumokuRec {
  QString Name;          // event name
  QString Ryakugou;      // abbreviation
  QString Seibetsu;      // "男子", "女子" or "混合"
  QString Shubetsu;      // "単", "複", "３人" or "団体"
  int Value1 = -1;
  int KumiawaseSuu = 0;
  int SeedSuu = 0;
  int KumiawaseSuu2 = 0;
  int SankashaCount = 0;
  std::vector<SankashaRec> Sankasha;
  int SankashaOffset = 0;  // index of the first entry among all events' entries
  int MaxLen1 = 0;         // longest entry name, in characters
  int MaxLen2 = 0;         // longest affiliation
  int MaxLen3 = 0;         // longest group text
  int Value2 = 1;
  int Value3 = 0;
  int Value4 = 0;
  int Value5 = 0;
  QString LeagueShinpan;
  QString TournamentShinpan;
  QString TaisenHoushiki;
  int YosenLeagueAri = 0;
  LeagueStageRec YosenLeague;
  int YosenLeaguePage = 0;
  int KesshouShinshutsuSuu = 0;
  std::vector<KesshouShinshutsuRec> KesshouShinshutsu;
  int KesshouLeagueAri = 0;
  LeagueStageRec KesshouLeague;
  int KesshouLeaguePage = 0;
  int TournamentCount = 0;
  std::vector<TournamentRec> Tournaments;
  int ShokaisenIndex = -1;
  ShumokuInsatsuRec InsatsuSettei;
  int KesshouTournamentPage = 0;
  int JouiTournamentPage = 0;
  int JouiTournamentSize = 0;
  int RallyPoint = -1;     // flag and rule code; True (-1) at creation
  int Value6 = 0;
  int Value7 = 0;
  int Value8 = 0;
  int Value9 = 0;
  // Index of the paired team event for an event of kind "団体"; of the event for a team
  // event. -1 when there is none.
  int TeamShumokuIndex = -1;
};

struct TaikaiRec {
  QString Name;
  QString KaisaiBi;
  QString Kaijou;
  QString SankaShikaku = "県協";
  int ShumokuCount = 0;
  std::vector<ShumokuRec> Shumoku;
  QString Shoujou;
};

struct ShozokuRec {
  QString Name;
  int Value = -1;
};

struct JudgeShumokuRec {
  QString Ryakugou;
  int Count = 0;
  QStringList Texts1;  // entry text at the index of its draw number
  QStringList Texts2;
};

}  // namespace qv
