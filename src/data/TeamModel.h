#pragma once
// Team events: divisions, sub-match definitions, teams, line-ups, stages and ties.
//
// A tie (対戦) is one match between two teams, made of sub-matches (構成種目); a line-up
// (オーダー) lists the players a team fields in one tie, one player per sheet row.
// Counts are kept beside their arrays because member lists are laid out to a division's
// cap before they are filled, so an array may be longer than what it holds.

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace qv {

// The member divisions of a team event (also the divisions of a configured team-match type).
struct TeamKubunRec {
  int Count = 0;
  QStringList Names;           // member lines of the team file begin with the name
  QStringList Labels;          // sub-match mask: one "1"/"0" per sub-match definition
  std::vector<int> MaxCount;   // maximum number of players, as given
  std::vector<int> MaxCount2;  // working cap; member lists are sized to it
  std::vector<int> SlotCount;  // slots; -1 marks an unused single-player division
};

// One sub-match definition of a tie.
struct KouseiShumokuRec {
  QString Meishou;  // sub-match name
  QString Hyouji;   // label shown at the head of its row
  QString Text3;    // stored as read
  QString Kind;     // "単" singles, "複" doubles, "３" three players
  QString Rule;     // numeric game-rule code; "75" also picks the second score layout
  int Index = 0;    // own position among the definitions
};

// A team's members in one division; the lists run to the division's working cap.
struct TeamKubunMemberRec {
  int Count = 0;      // members stored so far
  int LineStart = 0;  // where the latest member line began ("ふりがな"/"付加" write from here)
  QStringList Names;
  QStringList Furiganas;
  QStringList Fukas;  // number suffix split off the name, or a "付加" text
};

// One line-up of a team.
struct TeamOrderRec {
  int OrderNo = 0;      // tie number; its absolute value must match the tie that uses it
  QString OrderText;    // stored as read
  QStringList Players;  // by sheet row
};

struct TeamSankashaRec {
  QString TeamName;
  int KubunCount = 0;
  std::vector<TeamKubunMemberRec> Members;  // one per division, in division order
  int MemberCount = 0;                      // non-blank member entries over all divisions
  int OrderCount = 0;
  std::vector<TeamOrderRec> Orders;
  int TeamFlag = 0;
  int TeamValue = 0;
  QStringList TeamTexts1;
  QStringList TeamTexts2;
  std::vector<int> TeamValues;
};

// One sub-match result: games won per side and up to five game scores ("21-15").
struct TeamShiaiRec {
  std::array<QString, 2> GameCount;  // 0 side A, 1 side B
  std::array<QString, 5> Scores;     // side A's points first; "X" marks a retirement
  QString ExtraText1;
  QString ExtraText2;
  int ExtraValue = 0;
};

// One tie.
struct TeamTaisenRec {
  int TeamA = 0;       // index into the event's Teams
  int TeamB = 0;
  int OrderA = 0;      // index into that team's Orders
  int OrderB = 0;
  QString KekkaA;      // sub-matches won; "X"/"Ｘ" marks a forfeit
  QString KekkaB;
  int ShiaiCount = 0;  // the event's KouseiCount when the tie was read
  std::vector<TeamShiaiRec> Shiais;
};

// One stage; the tie with match number m is Taisens[m - 1].
struct TeamBlockRec {
  QString Meishou;
  int TaisenCount = 0;
  std::vector<TeamTaisenRec> Taisens;
};

struct TeamShumokuRec {
  QString Meishou;   // event name; the team file's section header must match it
  QString Ryakugou;  // from the team file's section header
  QString Seibetsu;  // "男子", "女子" or "混合"
  int ShumokuIndex = -1;  // index of the paired event in Taikai.Shumoku
  TeamKubunRec Kubun;
  int KouseiCount = 0;
  std::vector<KouseiShumokuRec> Kousei;  // in tie order
  int TeamCount = 0;
  std::vector<TeamSankashaRec> Teams;    // in entry order
  int BlockCount = 0;
  std::vector<TeamBlockRec> Blocks;
  bool InsatsuFlag = true;  // print this event's tie sheets
  bool KaipageFlag = true;  // start the event on a new page
  bool KaigyouFlag = true;  // start the event on a new row of sheets
};

// A team-match type of the configuration's [団体戦諸元] section (kept in KankyouState,
// so that opening a tournament does not clear it).
struct TeamShogenRec {
  QString Meishou;
  QString Tekiyou;
  TeamKubunRec Kubun;
  int KouseiCount = 0;
  std::vector<KouseiShumokuRec> Kousei;
};

struct TeamState {
  int TeamShumokuCount = 0;
  std::vector<TeamShumokuRec> TeamShumokus;
  bool TeamFileRead = false;  // kept for the team file reader; nothing reads it
};

}  // namespace qv
