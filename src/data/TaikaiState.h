#pragma once
// The open tournament: header and events, organisations, option words and the switches
// that the data file sets.

#include <QString>
#include <QStringList>

#include <vector>

#include "data/TaikaiModel.h"

namespace qv {

// Switches and option words set from the data file; reset at each 【大会データ】 section.
struct TaikaiSwitches {
  QStringList TaikaiOptions;  // OPTION= words in file order (TaikaiOptionCount = size)
  bool ShumokuRyakugouHyouji = false;
  bool DelBla = false;
  bool UseGakkou = true;
  bool Nikokugo = false;  // bilingual names on brackets; the main window's 二国語 box sets it
  bool NumberSeedJun = false;
  bool TeamSoukatsuhyou = false;
  QString FinalCaption = "決勝戦";
  QString LeagueUeName;
  QString LeagueHidariGroup;
  bool LeagueMikanJuni = false;
  int LeagueMeisaiMode = 0;
  QString LeagueBlockName = "ブロック";
  QString LeagueYosenName;
  QString TeamOrderYoushi;
  QStringList TeamOrderCaptions;
  bool NarrowEntryText = true;
  int SeibetsuPosStart = 0;  // 1-based position of the sex letter in event abbreviations
  int SeibetsuPosEnd = 0;
  bool ShozokuHyouji = true;      // print the affiliation column
  bool NumberJunban = false;
  bool ShozokuNaiJunban = false;
};

struct TaikaiState {
  TaikaiRec Taikai;
  std::vector<ShozokuRec> Shozoku;
  TaikaiSwitches sw;
  QString KyoukaiName;
  QString KaichouName;
  QString NitteiFileName;
  QString DataFolder;      // with a trailing separator
  QString TaikaiFileName;  // the data file's name within DataFolder
  std::vector<JudgeShumokuRec> JudgeShumoku;
  std::vector<ShokaisenRec> Shokaisens;  // first-round shapes read from the results file
  bool RewriteNeeded = false;     // true only while the data file is rewritten
  int TournamentFirstDrawNo = 0;
};

}  // namespace qv
