#pragma once
// A team event built by hand: sub-match definitions, teams with one line-up each, one
// stage of ties.

#include <QStringList>

#include "data/TeamModel.h"
#include "teamlogic/TeamOutputState.h"

namespace qv::test {

struct SubResult {
  QString gamesA, gamesB;
  QStringList scores;
};

struct TeamEvent {
  // kinds: one per sub-match definition; rules the same length (or empty: "21" each).
  explicit TeamEvent(const QStringList& kinds, const QStringList& rules = {}) {
    team.TeamShumokus.resize(1);
    team.TeamShumokuCount = 1;
    auto& ev = event();
    for (qsizetype i = 0; i < kinds.size(); ++i) {
      KouseiShumokuRec k;
      k.Kind = kinds[i];
      k.Rule = rules.isEmpty() ? QStringLiteral("21") : rules[i];
      ev.Kousei.push_back(k);
    }
    ev.KouseiCount = static_cast<int>(kinds.size());
    ev.Blocks.resize(1);
    ev.BlockCount = 1;
  }
  TeamShumokuRec& event() { return team.TeamShumokus[0]; }
  TeamBlockRec& stage() { return event().Blocks[0]; }

  // A team whose one line-up holds the given players by row.
  int addTeam(const QString& name, const QStringList& players) {
    TeamSankashaRec t;
    t.TeamName = name;
    TeamOrderRec o;
    o.Players = players;
    t.Orders.push_back(o);
    t.OrderCount = 1;
    event().Teams.push_back(t);
    event().TeamCount = static_cast<int>(event().Teams.size());
    return event().TeamCount - 1;
  }

  TeamTaisenRec& addTie(int teamA, int teamB, const QString& kekkaA, const QString& kekkaB,
                        const std::vector<SubResult>& results = {}) {
    TeamTaisenRec t;
    t.TeamA = teamA;
    t.TeamB = teamB;
    t.KekkaA = kekkaA;
    t.KekkaB = kekkaB;
    t.ShiaiCount = event().KouseiCount;
    t.Shiais.resize(static_cast<size_t>(event().KouseiCount));
    for (size_t i = 0; i < results.size() && i < t.Shiais.size(); ++i) {
      t.Shiais[i].GameCount = {results[i].gamesA, results[i].gamesB};
      for (qsizetype s = 0; s < results[i].scores.size() && s < 5; ++s)
        t.Shiais[i].Scores[static_cast<size_t>(s)] = results[i].scores[s];
    }
    stage().Taisens.push_back(t);
    stage().TaisenCount = static_cast<int>(stage().Taisens.size());
    return stage().Taisens.back();
  }

  TeamState team;
  TeamOutputState out;
};

}  // namespace qv::test
