#include "teamlogic/TeamSubMatch.h"

#include <algorithm>
#include <cmath>

#include "data/ModelAccess.h"
#include "data/TeamModel.h"
#include "platform/Blanks.h"
#include "platform/Numbers.h"
#include "platform/Width.h"
#include "teamlogic/TeamOutputState.h"

namespace qv {

namespace {

constexpr int kMaxSubMatches = 25;

// The player text at a line-up row, or nullptr when the team, line-up or row is missing.
const QString* playerAt(const TeamShumokuRec& ev, int teamIndex, int orderIndex, int row) {
  const TeamSankashaRec* t = itemAt(ev.TeamCount, ev.Teams, teamIndex);
  if (!t) return nullptr;
  const TeamOrderRec* o = itemAt(static_cast<int>(t->Orders.size()), t->Orders, orderIndex);
  if (!o || row < 0 || row >= o->Players.size()) return nullptr;
  return &o->Players[row];
}

// The tie number a label spells: a whole number of at least 1, else 0.
int labelNumber(const QString& label) {
  const auto v = platform::numericValue(label);
  if (!v || *v < 1 || *v > 1e9 || std::floor(*v) != *v) return 0;
  return static_cast<int>(*v);
}

// Count of games won less the withdrawn games, in full-width digits.
QString lowerCount(const QString& count, int marks) {
  const double v = platform::Val(platform::toHalfWidth(count)) - marks;
  return platform::toFullWidth(QString::number(platform::roundHalfEven(v)));
}

}  // namespace

const TeamTaisenRec* FindTeamTaisen(const TeamShumokuRec& ev, int stage, int n) {
  const TeamBlockRec* b = teamBlockAt(ev, stage);
  if (!b) return nullptr;
  return itemAt(b->TaisenCount, b->Taisens, n - 1);
}

bool IsTeamTaisenFilled(const TeamTaisenRec& tie) {
  return !(tie.TeamA == tie.TeamB && tie.OrderA == tie.OrderB);
}

void SetTeamSubMatchRows(const TeamState& team, int teamEvent, TeamOutputState& out) {
  const TeamShumokuRec* ev = teamEventAt(team, teamEvent);
  if (!ev) return;
  const int n = std::min(kouseiCount(*ev), kMaxSubMatches);
  int row = 0;
  for (int i = 0; i < n; ++i) {
    out.TeamShiaiRows.at(i) = row;
    const QString& kind = ev->Kousei.at(i).Kind;
    row += kind == QStringLiteral("単") ? 1 : 2;
    if (kind == QStringLiteral("３")) ++row;
  }
}

bool GetTeamSubMatch(const TeamState& team, int teamEvent, const QString& kikenMark,
                     TeamOutputState& out, int stage, int subMatch, int leftSide, int rightSide) {
  const TeamShumokuRec* ev = teamEventAt(team, teamEvent);
  if (!ev) return false;
  const int n = labelNumber(out.TaisenLabel);
  const TeamTaisenRec* tie = FindTeamTaisen(*ev, stage, n);
  if (!tie || !IsTeamTaisenFilled(*tie)) return false;
  if (leftSide < 0 || leftSide > 1 || rightSide < 0 || rightSide > 1) return false;
  if (subMatch < 0 || subMatch >= kMaxSubMatches) return false;
  const KouseiShumokuRec* def = itemAt(ev->KouseiCount, ev->Kousei, subMatch);
  const TeamShiaiRec* result = itemAt(static_cast<int>(tie->Shiais.size()), tie->Shiais, subMatch);
  if (!def || !result) return false;

  const int teams[2] = {tie->TeamA, tie->TeamB};
  const int orders[2] = {tie->OrderA, tie->OrderB};
  const int players = def->Kind == QStringLiteral("単") ? 1 : def->Kind == QStringLiteral("３") ? 3 : 2;
  const int r = out.TeamShiaiRows.at(subMatch);
  const QString* left[3] = {};
  const QString* right[3] = {};
  for (int p = 0; p < players; ++p) {
    left[p] = playerAt(*ev, teams[leftSide], orders[leftSide], r + p);
    right[p] = playerAt(*ev, teams[rightSide], orders[rightSide], r + p);
    if (!left[p] || !right[p]) return false;
  }

  SubMatchKekkaRec& k = out.SubMatchKekka;
  k.Label = out.TaisenLabel;
  out.TeamTaisenCurrent = n - 1;
  k.Kind = def->Kind;
  QString* leftFields[3] = {&k.LeftPlayer1, &k.LeftPlayer2, &k.LeftPlayer3};
  QString* rightFields[3] = {&k.RightPlayer1, &k.RightPlayer2, &k.RightPlayer3};
  for (int p = 0; p < players; ++p) {
    *leftFields[p] = *left[p];
    *rightFields[p] = *right[p];
  }
  k.GamesWon[0] = result->GameCount.at(leftSide);
  k.GamesWon[1] = result->GameCount.at(rightSide);
  for (size_t i = 0; i < 3; ++i)
    k.Scores[i] = leftSide == 1 ? SwapScore(result->Scores[i]) : result->Scores[i];
  k.KikenSide.clear();

  if (!kikenMark.isEmpty()) {
    int nLeft = 0;
    int nRight = 0;
    for (size_t i = 0; i < 3; ++i) {
      const QString t = platform::trimBlanks(platform::toHalfWidth(k.Scores[i]).toUpper());
      if (!t.contains(QLatin1Char('X'))) continue;
      int& marks = t.endsWith(QLatin1Char('X')) ? nRight : nLeft;
      ++marks;
      k.Scores[i] = marks > 1 ? QString() : QString(t).remove(QLatin1Char('X'));
    }
    if (nRight > 0) {
      k.GamesWon[0] = lowerCount(k.GamesWon[0], nRight);
      k.KikenSide = QStringLiteral("右");
    }
    if (nLeft > 0) {
      k.GamesWon[1] = lowerCount(k.GamesWon[1], nLeft);
      k.KikenSide = QStringLiteral("左");
    }
  }
  for (size_t i = 0; i < 3; ++i) k.Scores[i] = AlignScore(k.Scores[i]);
  return true;
}

QString SwapScore(const QString& score) {
  const qsizetype p = score.indexOf(QLatin1Char('-'));
  if (p < 0) return score;
  return score.mid(p + 1) + QLatin1Char('-') + score.left(p);
}

QString AlignScore(const QString& score) {
  const qsizetype p = score.indexOf(QLatin1Char('-'));
  if (p == 0) return QStringLiteral("  ") + score;
  if (p == 1) return QLatin1Char(' ') + score;
  return score;
}

}  // namespace qv
