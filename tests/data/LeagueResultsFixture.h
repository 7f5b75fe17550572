#pragma once
// Builds league events straight into a program's model, as the match-data reader leaves it.

#include <QString>
#include <QStringList>

#include "program/Program.h"

namespace qv::test {

// An event with entries "E0" … named in order, group texts "G0" …, no draw positions.
inline int addEvent(Program& p, const QString& name, const QString& shubetsu, int entries) {
  ShumokuRec e;
  e.Name = name;
  e.Shubetsu = shubetsu;
  for (int i = 0; i < entries; ++i) {
    SankashaRec s;
    s.Name = QStringLiteral("E%1").arg(i);
    s.GroupName = QStringLiteral("G%1").arg(i);
    e.Sankasha.push_back(s);
  }
  e.SankashaCount = entries;
  e.KumiawaseSuu = entries;
  e.YosenLeagueAri = 1;
  auto& t = p.taikai.Taikai;
  t.Shumoku.push_back(e);
  t.ShumokuCount = static_cast<int>(t.Shumoku.size());
  return t.ShumokuCount - 1;
}

inline ShumokuRec& event(Program& p, int e) {
  return p.taikai.Taikai.Shumoku.at(static_cast<size_t>(e));
}

// A block of n slots occupied by entries 0 … n-1 at places 1 … n.
inline LeagueBlockRec& addBlock(ShumokuRec& e, int n, int pointSuu = 21, bool dummy = false) {
  LeagueBlockRec b;
  b.Name = QStringLiteral("B%1").arg(e.YosenLeague.BlockCount);
  b.Dummy = dummy;
  b.PointSuu = pointSuu;
  b.SankashaSuu = n;
  for (int s = 0; s < n; ++s) {
    b.Sankasha.push_back(s);
    b.SankashaIchi.push_back(s + 1);
  }
  b.SankashaShiaiSuu.assign(static_cast<size_t>(n), 0);
  b.Juni.assign(static_cast<size_t>(n), LeagueJuniRec{});
  e.YosenLeague.Blocks.push_back(b);
  e.YosenLeague.BlockCount = static_cast<int>(e.YosenLeague.Blocks.size());
  return e.YosenLeague.Blocks.back();
}

// The block's next match; its match number is its position + 1.
inline LeagueTaisenRec& addMatch(LeagueBlockRec& b, int a, int bSide, const QString& kekka,
                                 const QString& label = QString()) {
  LeagueTaisenRec m;
  m.Taisen1 = a;
  m.Taisen2 = bSide;
  m.ShiaiBangou = QString::number(b.TaisenCount + 1);
  m.ShiaiBangouHyouji = label.isNull() ? m.ShiaiBangou : label;
  m.TaisenKekka = kekka;
  b.Taisen.push_back(m);
  b.TaisenIndex.push_back(b.TaisenCount);
  ++b.TaisenCount;
  return b.Taisen.back();
}

// Pairs a team event with the event: sub-match definitions of the given rules, teams
// named like the event's entries, and one stage per league block.
inline TeamShumokuRec& addTeamEvent(Program& p, int e, const QStringList& rules) {
  TeamShumokuRec t;
  ShumokuRec& ev = event(p, e);
  t.Meishou = ev.Name;
  t.ShumokuIndex = e;
  for (const QString& r : rules) {
    KouseiShumokuRec k;
    k.Rule = r;
    k.Index = t.KouseiCount++;
    t.Kousei.push_back(k);
  }
  t.Blocks.resize(static_cast<size_t>(ev.YosenLeague.BlockCount));
  t.BlockCount = ev.YosenLeague.BlockCount;
  p.team.TeamShumokus.push_back(t);
  p.team.TeamShumokuCount = static_cast<int>(p.team.TeamShumokus.size());
  ev.TeamShumokuIndex = p.team.TeamShumokuCount - 1;
  return p.team.TeamShumokus.back();
}

// One sub-match result: games "a", "b" and the game scores.
struct Sub {
  QString gamesA;
  QString gamesB;
  QStringList scores;
};

inline TeamTaisenRec& addTie(TeamBlockRec& stage, int teamA, int teamB, const QString& kekkaA,
                             const QString& kekkaB, const std::vector<Sub>& subs = {}) {
  TeamTaisenRec t;
  t.TeamA = teamA;
  t.TeamB = teamB;
  t.KekkaA = kekkaA;
  t.KekkaB = kekkaB;
  for (const Sub& s : subs) {
    TeamShiaiRec r;
    r.GameCount = {s.gamesA, s.gamesB};
    for (int g = 0; g < s.scores.size() && g < 5; ++g)
      r.Scores[static_cast<size_t>(g)] = s.scores[g];
    t.Shiais.push_back(r);
  }
  t.ShiaiCount = static_cast<int>(t.Shiais.size());
  stage.Taisens.push_back(t);
  ++stage.TaisenCount;
  return stage.Taisens.back();
}

}  // namespace qv::test
