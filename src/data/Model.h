#pragma once
// The tournament model: one struct per module of shared variables, all owned here, with the
// message seam and clock that the readers report through. Everything the readers fill lives
// here; the print device and the run switches of a print sit one floor up, in Program.
// Procedures receive this object (or the one module they need) by reference; there are no
// mutable globals, so a test builds a fresh model in one line.

#include <QString>

#include <functional>
#include <memory>

#include "data/BunshouItems.h"
#include "data/Cyusen.h"
#include "data/InsatsuSeigyoModel.h"
#include "data/InsatsuUnits.h"
#include "data/KankyouState.h"
#include "data/KekkaState.h"
#include "data/Nittei.h"
#include "data/PrintFilters.h"
#include "data/RuleState.h"
#include "data/SenshuJisho.h"
#include "data/Spreadsheet.h"
#include "data/TaikaiState.h"
#include "data/TeamKenin.h"
#include "data/TeamModel.h"
#include "data/TextVars.h"
#include "data/UserErrorPrompt.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

namespace qv {

struct Model {
  Model(platform::MessageSink& messageSink, const platform::Clock& clockSource,
        QString programFolderPath)
      : messages(messageSink), clock(clockSource), programFolder(std::move(programFolderPath)) {}

  platform::MessageSink& messages;
  const platform::Clock& clock;
  QString programFolder;  // where Quorvane.cfg, User.dat and the phrase file lie

  KankyouState kankyou;            // configuration file and user file
  TaikaiState taikai;              // the open tournament: events, entries, options, switches
  TeamState team;                  // team events, teams, line-ups, ties
  RuleState rule;                  // the last decoded game rule
  KekkaState kekka;                // results-file reading state
  InsatsuSeigyoState insatsu;      // page layout model
  InsatsuUnitState insatsuUnits;   // printable units of the open tournament; nothing reads it
  TextVarState textVars;           // "&" placeholders of printed texts
  BunshouState bunshou;            // the fourteen page phrase fields, phrases, font list
  PrintFilterState printFilters;   // what the entry splitters and print filters read
  TeamKeninState teamKenin;        // tie-sheet seal boxes
  NitteiState nittei;              // schedule file, loaded on first lookup
  CyusenState cyusen;              // draw-lots file, loaded on first lookup
  SenshuJishoState senshuJisho;    // player-name dictionary
  std::unique_ptr<Spreadsheet> spreadsheet = std::make_unique<NullSpreadsheet>();
  UserErrorPrompt* userErrorPrompt = nullptr;  // the data-change warning; not owned
  // Refills bunshou.FontNames from the printer's fonts, called by PrinterFontNames when
  // the list is stale. The font list comes from the print side, which sets this; left
  // empty, the list stays as it is.
  std::function<void(BunshouState&)> getPrinterFonts;
};

}  // namespace qv
