#pragma once
// League stages, blocks, matches and standings, and the qualifiers to a final stage.

#include <QString>

#include <vector>

#include "data/TournamentModel.h"

namespace qv {

// One league match; its sides are entrant slots of the block.
struct LeagueTaisenRec {
  int Taisen1 = 0;             // side A's slot
  int Taisen2 = 0;             // side B's slot
  QString ShiaiBangou;         // match number as text
  QString ShiaiBangouHyouji;   // displayed match label
  QString TaisenKekka;         // result text
  int Shousha = 0;             // winner
  QString ExtraText1;
  QString ExtraText2;
  QString ExtraText3;
  int ExtraValue1 = 0;
  bool InsatsuZumi = false;    // already printed ("済")
  int ExtraValue2 = 0;
  int TimeTableLink = -1;      // -1: no time-table slot
  int TimeTableLink2 = 0;
  int TimeTableLink3 = 0;
};

// Standings of one entrant slot.
struct LeagueJuniRec {
  float Kachi = 0;      // matches (ties) won; a double forfeit counts 0.5
  float Make = 0;       // lost, counted the same way
  int ShiaiKachi = 0;   // matches or sub-matches won
  int ShiaiMake = 0;
  int GameKachi = 0;
  int GameMake = 0;
  int PointKachi = 0;
  int PointMake = 0;
  QString Kekka;        // one "W"/"L"/"-" per slot of the block
};

struct LeagueBlockRec {
  QString Name;
  bool Dummy = false;               // placeholder block without entrants or matches
  QString BlockText;
  TournamentRec Tournament;
  int KesshouCount = 0;             // qualifiers that name this block
  std::vector<int> TaisenIndex;     // 0 .. TaisenCount: position of match number k in Taisen
  std::vector<int> TaisenValue;     // per match record
  std::vector<int> Shinpan;         // first umpire per match slot, then the second
  int SankashaSuu = 0;
  std::vector<int> Sankasha;        // per slot: entry index, -1 when none
  std::vector<int> SankashaIchi;    // per slot: its place as the results file gives it
  std::vector<int> SankashaExtra;
  std::vector<int> SankashaShiaiSuu;
  int BlockValue = 0;
  int TaisenCount = 0;
  std::vector<LeagueTaisenRec> Taisen;  // in file order
  int PointSuu = 0;
  std::vector<LeagueJuniRec> Juni;      // per slot
};

// A league stage: the preliminary league or the final league of an event.
struct LeagueStageRec {
  QString Name;
  int StageValue1 = 0;
  int StageValue2 = 0;
  int TaisenTotal = 0;           // sum of the blocks' TaisenCount
  int TaisenKaisuu = 0;          // how often each pair meets
  int ShinshutsuJuni = 0;        // qualifying places
  QString ShinshutsuJuniText;
  QString SentouBlockName;       // name of the first block
  int StageValue3 = 0;
  int BlockCount = 0;
  std::vector<LeagueBlockRec> Blocks;
  int DummyBlockCount = 0;
  std::vector<TaisenRec> Taisen;
};

// One qualifier from the preliminary league to the final stage.
struct KesshouShinshutsuRec {
  int SankashaIdx = 0;    // index into the event's entries
  QString Hyouji;
  QString SankashaText;   // the entry's group text
  int BlockNo = 0;        // block it comes from, counted from 1
  int Juni = 0;           // its place in that block
  int Ichi = 0;           // entrant position in the final stage
  int ExtraValue = 0;
};

}  // namespace qv
