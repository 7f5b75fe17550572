#pragma once
// The program-wide state: one struct per module of shared variables, all owned here.
// Procedures receive this object (or the one module they need) by reference; there are
// no mutable globals, so a test builds a fresh program in one line.

#include <QString>

#include <memory>

#include "data/Cyusen.h"
#include "data/InsatsuSeigyoModel.h"
#include "data/InsatsuUnits.h"
#include "data/KankyouState.h"
#include "data/KekkaState.h"
#include "data/Nittei.h"
#include "data/RuleState.h"
#include "data/SenshuJisho.h"
#include "data/TaikaiState.h"
#include "data/TeamModel.h"
#include "data/UserErrorPrompt.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "print/BunshouItems.h"
#include "print/PrintDevice.h"
#include "print/PrintFilters.h"
#include "print/Spreadsheet.h"
#include "print/TextVars.h"
#include "team/TeamKenin.h"

namespace qv {

struct Program {
  Program(platform::MessageSink& messageSink, const platform::Clock& clockSource,
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
  PrintDevice device;              // the one print device
  NitteiState nittei;              // schedule file, loaded on first lookup
  CyusenState cyusen;              // draw-lots file, loaded on first lookup
  SenshuJishoState senshuJisho;    // player-name dictionary
  std::unique_ptr<Spreadsheet> spreadsheet = std::make_unique<NullSpreadsheet>();
  UserErrorPrompt* userErrorPrompt = nullptr;  // the data-change warning; not owned
};

}  // namespace qv
