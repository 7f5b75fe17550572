#include "data/LeagueResults.h"

#include "data/LeagueSlots.h"
#include "data/Model.h"

namespace qv {

LeagueRule DecodeLeagueRule(int code) {
  LeagueRule r;
  if (code < 100) {
    r.points = code;
    r.games = 3;
  } else if (code < 1000) {
    r.points = code / 10;
    r.games = code % 10;
  } else {
    r.points = code / 1000;
    r.games = (code / 100) % 10;
  }
  r.toWin = (r.games + 1) / 2;
  return r;
}

void ClearLeagueStandings(LeagueBlockRec& block) {
  const int n = league::slotCount(block);
  for (int s = 0; s < n; ++s) {
    block.Juni.at(s) = LeagueJuniRec{};
    block.Juni.at(s).Kekka = QString(n, QChar('-'));
    block.SankashaShiaiSuu.at(s) = 0;
  }
}

void MakeAllLeagueResults(Model& model) {
  const int events = eventCount(model.taikai.Taikai);
  for (int e = 0; e < events; ++e) {
    const ShumokuRec& ev = model.taikai.Taikai.Shumoku.at(e);
    if (ev.YosenLeagueAri <= 0) continue;
    const bool team = ev.Shubetsu == QStringLiteral("団体");
    const int blocks = blockCount(ev.YosenLeague);
    for (int b = 0; b < blocks; ++b) {
      if (team)
        MakeTeamLeagueResults(model, e, b);
      else
        MakeLeagueResults(model, e, b);
    }
  }
}

void MakePrintRunStandings(Model& model) {
  if (model.taikai.sw.LeagueMeisaiMode > 0) MakeAllLeagueResults(model);
  const int events = eventCount(model.taikai.Taikai);
  for (int e = 0; e < events; ++e) {
    const int blocks = blockCount(model.taikai.Taikai.Shumoku[static_cast<size_t>(e)].YosenLeague);
    for (int b = 0; b < blocks; ++b) MakeLeagueResults(model, e, b);
  }
}

}  // namespace qv
