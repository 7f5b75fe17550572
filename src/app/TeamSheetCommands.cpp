#include "app/TeamSheetCommands.h"

#include <QSet>

#include "data/ModelAccess.h"
#include "data/PrintFilters.h"
#include "program/PrintRunStart.h"
#include "program/Program.h"
#include "team/TeamMeisai.h"
#include "team/TeamPageNo.h"
#include "team/TeamSheetsByTeam.h"

namespace qv {

TeamSheetPrinters TieSheetPrinters(Program& program) {
  // The run counts the pages as they begin; the sheets by event carry its page numbers.
  auto numbered = [&program](TieSheetRun& run) {
    return TeamPageStarted(program.device, program.bunshou, program.textVars, run.pageCount);
  };
  return {[&program, numbered](TieSheetRun& run, int teamEvent, int) {
            ChartEnv env = program.chartEnv();
            return !PrintTeamMeisai(env, teamEvent, run.layout, run.pageCount, numbered(run))
                        .Refused;
          },
          [&program, numbered](TieSheetRun& run, int teamEvent, int startMode) {
            ChartEnv env = program.chartEnv();
            return !PrintTeamMeisaiRenki(env, teamEvent, run.layout, run.pageCount, startMode,
                                         numbered(run))
                        .Refused;
          },
          [&program](TieSheetRun& run, const QString& teamName) {
            ChartEnv env = program.chartEnv();
            return !PrintTeamSheetsByTeam(env, run.layout, run.pageCount, teamName,
                                          [&run] { ++run.pageCount; })
                        .Refused;
          }};
}

int TeamSheetOrientation(const TeamMeisaiLayout& layout) {
  const float width = layout.TeamMeisaiRight - layout.TeamMeisaiLeft;
  const float height = layout.TeamMeisaiBottom - layout.TeamMeisaiTop;
  return width >= height ? 2 : 1;
}

int TeamSheetStartMode(const TeamShumokuRec& event) {
  return (event.KaipageFlag ? 0 : 1) + (event.KaigyouFlag ? 0 : 10);
}

bool PrintTeamSheetsByEvent(Program& program, const TeamSheetPrinters& printers, TieSheetRun& run) {
  // The league tables over the ties read the standings; they are computed once here.
  // Tie sheets look no name up in the player dictionary.
  PreparePrintRun(program, false);
  const int events = teamEventCount(program.team);
  for (int i = 0; i < events; ++i) {
    const TeamShumokuRec& event = program.team.TeamShumokus.at(i);
    if (!event.InsatsuFlag) continue;
    const int startMode = TeamSheetStartMode(event);
    // The tournament's own record of the event; the team events are numbered apart from it.
    const ShumokuRec* paired = eventAt(program.taikai.Taikai, event.ShumokuIndex);
    program.kekka.ShumokuIndex = paired && paired->TeamShumokuIndex == i ? event.ShumokuIndex : i;
    const bool printed = program.teamMeisaiLayout.TeamMeisaiKeishiki == QStringLiteral("種目連記")
                             ? printers.byEventRenki(run, i, startMode)
                             : printers.byEvent(run, i, startMode);
    if (!printed) return false;
  }
  return true;
}

bool PrintTeamSheetsByTeamName(Program& program, const TeamSheetPrinters& printers,
                               TieSheetRun& run) {
  const QString& filter = program.printFilters.TeamFilter;
  const bool everyTeam = filter.startsWith(QLatin1Char('-'));
  QSet<QString> printed;
  const int events = teamEventCount(program.team);
  for (int i = 0; i < events; ++i) {
    const TeamShumokuRec& event = program.team.TeamShumokus.at(i);
    const int teams = usableCount(event.TeamCount, event.Teams);
    for (int j = 0; j < teams; ++j) {
      // A copy: the printer may read other events' teams while it prints this name.
      const QString name = event.Teams.at(j).TeamName;
      if (!everyTeam && !IsSelected(program.printFilters, name)) continue;
      if (printed.contains(name)) continue;
      printed.insert(name);
      if (!printers.byTeam(run, name)) return false;
    }
  }
  return true;
}

}  // namespace qv
