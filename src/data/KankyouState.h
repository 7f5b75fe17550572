#pragma once
// Values read from the configuration file and the user file.
// The association and president names live with the tournament (TaikaiState), as does the
// data folder.

#include <QString>

#include <array>
#include <vector>

#include "data/TeamModel.h"

namespace qv {

// The playing order of a league of one size, from a "試合番号=" line, and the umpires of
// each match slot from the "ブロック審判=" line of the same size.
struct LeagueShiaiJunRec {
  int LeagueSize = 0;          // 0 until its "試合番号=" line has been read
  int ShiaiCount = 0;          // k
  std::vector<int> Order;      // pairing code of the i-th match in playing order
  std::vector<int> OrderInv;   // OrderInv[code - 1] = i
  std::vector<int> Shinpan;    // 2k: first umpire per match, then the second; -1 none
};

struct ShinpanYoushiRec {
  QString Name;
};

// One line of [大会種目クラス]: its first three fields.
struct ShumokuClassRec {
  std::array<QString, 3> Texts;
};

struct KankyouState {
  static constexpr int kMinLeagueSize = 3;
  static constexpr int kMaxLeagueSize = 18;

  QString InsatsuFont = QStringLiteral("ＭＳ 明朝");  // default print font
  QString UserName;
  QString BunshouFileName;        // phrase file in the program folder
  QString KankyouShoujou;         // certificate text when the data file gives none
  ShinpanYoushiRec ShinpanYoushi;
  QString SankashaShumokuShubetsu = QStringLiteral("各種目別");
  QString LeagueJuniHantei = QStringLiteral("多勝少敗");
  QString LeagueShinpan;
  QString TournamentShinpan;
  // Sizes 3 to 18 at positions 0 to 15; reach them through LeagueShiaiJun().
  std::array<LeagueShiaiJunRec, kMaxLeagueSize - kMinLeagueSize + 1> LeagueShiaiJuns;
  int TeamShogenCount = 0;
  std::vector<TeamShogenRec> TeamShogens;
  int ShumokuClassCount = 1;
  std::vector<ShumokuClassRec> ShumokuClasses{ShumokuClassRec{{QStringLiteral("(なし)"), {}, {}}}};
  QString KongouCodes = QStringLiteral("MWX");  // code letters of mixed-sex events
  QString KikenMark = QStringLiteral("ｷｹﾝ");    // withdrawal mark of the tie sheets
  float AutoGapXFew = 10;   // automatic layout cell gaps, mm
  float AutoGapXMany = 5;
  float AutoGapYFew = 10;
  float AutoGapYMany = 5;
  bool HtmOutput = false;   // "HTM出力"; nothing acts on it

  // The match-order record of a league size; nullptr outside 3 to 18.
  LeagueShiaiJunRec* LeagueShiaiJun(int size) {
    if (size < kMinLeagueSize || size > kMaxLeagueSize) return nullptr;
    return &LeagueShiaiJuns.at(size - kMinLeagueSize);
  }
  const LeagueShiaiJunRec* LeagueShiaiJun(int size) const {
    return const_cast<KankyouState*>(this)->LeagueShiaiJun(size);
  }
};

}  // namespace qv
