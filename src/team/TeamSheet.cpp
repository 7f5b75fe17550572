#include "team/TeamSheet.h"

#include "data/ModelAccess.h"
#include "data/TeamModel.h"
#include "platform/Numbers.h"
#include "print/PrintDevice.h"
#include "teamlogic/TeamOutputState.h"

namespace qv {

namespace {

bool fiveScoreLayout(const TeamState& team, int teamEvent) {
  const TeamShumokuRec* ev = teamEventAt(team, teamEvent);
  if (!ev || kouseiCount(*ev) < 1) return false;
  const auto v = platform::numericValue(ev->Kousei.front().Rule);
  return v && *v == 75;
}

}  // namespace

void SetTeamSheetMetrics(const TeamState& team, int teamEvent, TeamOutputState& out, float u) {
  TeamSheetMetrics& m = out.Sheet;
  out.TeamSheetX = 0;
  out.TeamSheetY = 0;
  m.TeamSheetM02 = 0;
  m.TeamSheetM03 = 11 * u;
  m.TeamSheetM04 = 5 * u;
  m.TeamSheetM05 = 5 * u + m.TeamSheetM03;
  m.TeamSheetM06 = 0.35f * u;
  m.TeamSheetM07 = 1.65f * u;
  m.TeamSheetM08 = u;
  m.TeamSheetM09 = u;
  m.TeamSheetM10 = 0.5f * u + m.TeamSheetM04;
  m.TeamSheetM11 = m.TeamSheetM03 - 1.5f * u;
  m.TeamSheetM12 = u;
  m.TeamSheetM13 = u;
  m.TeamSheetM14 = m.TeamSheetM13 + m.TeamSheetM10;
  m.TeamSheetM17 = 0.5f * u;
  m.TeamSheetM15 = m.TeamSheetM11 - m.TeamSheetM17;
  m.TeamSheetM16 = 0;
  m.TeamSheetM18 = 3 * u;
  if (fiveScoreLayout(team, teamEvent)) {
    // Up to five short games in a narrow column.
    m.TeamSheetScoreX0 = m.TeamSheetM14 + m.TeamSheetM17 + 0.2f * u;
    m.TeamSheetScoreX1 = 0;
    m.TeamSheetScoreX2 = 0.6f * u;
    m.TeamSheetScoreX3 = 1.2f * u;
    m.TeamSheetScoreX4 = 1.8f * u;
    m.TeamSheetScoreX5 = 2.4f * u;
    m.TeamSheetScoreX6 = 0.6f * u;
  } else {
    m.TeamSheetScoreX0 = m.TeamSheetM14 + m.TeamSheetM17;
    m.TeamSheetScoreX1 = 0.1f * u;
    m.TeamSheetScoreX2 = 1.1f * u;
    m.TeamSheetScoreX3 = 2.1f * u;
    m.TeamSheetScoreX4 = 0.4f * u;
    m.TeamSheetScoreX5 = 1.8f * u;
    m.TeamSheetScoreX6 = 0.8f * u;
  }
}

void PrintTeamSubMatch(PrintDevice& device, const TeamOutputState& out, const QString& kikenMark) {
  const TeamSheetMetrics& m = out.Sheet;
  const SubMatchKekkaRec& k = out.SubMatchKekka;
  const double X = out.TeamSheetX;
  const double Y = out.TeamSheetY;
  const double u = m.TeamSheetM09;
  const bool single = k.Kind == QStringLiteral("単");
  const bool trio = k.Kind == QStringLiteral("３");
  const double ps = m.TeamSheetM09;

  const auto players = [&](double y, const QString& left, const QString& right) {
    device.PrintStr(X + m.TeamSheetM02, y, ps, ps, 0, X + m.TeamSheetM04, left);
    device.PrintStr(X + m.TeamSheetM03, y, ps, ps, 0, X + m.TeamSheetM05, right);
  };
  const double y1 = Y + (single ? m.TeamSheetM08 : m.TeamSheetM06) - (trio ? 0.4 * u : 0.0);
  players(y1, k.LeftPlayer1, k.RightPlayer1);
  if (k.Kind == QStringLiteral("複")) {
    players(Y + m.TeamSheetM07, k.LeftPlayer2, k.RightPlayer2);
  } else if (trio) {
    players(y1 + 1.1 * u, k.LeftPlayer2, k.RightPlayer2);
    players(y1 + 2.2 * u, k.LeftPlayer3, k.RightPlayer3);
  }

  const double gs = m.TeamSheetM13;
  device.PrintStr(X + m.TeamSheetM10, Y + m.TeamSheetM12, gs, gs, gs, 0, k.GamesWon[0]);
  device.PrintStr(X + m.TeamSheetM11, Y + m.TeamSheetM12, gs, gs, gs, 0, k.GamesWon[1]);
  const double markY = Y + m.TeamSheetM12 + 1.2 * gs;
  if (k.KikenSide == QStringLiteral("左"))
    device.PrintStr(X + m.TeamSheetM10 - 0.5 * gs, markY, gs, gs, gs, 0, kikenMark);
  else if (k.KikenSide == QStringLiteral("右"))
    device.PrintStr(X + m.TeamSheetM11, markY, gs, gs, gs, 0, kikenMark);

  const double sx = X + m.TeamSheetScoreX0;
  const double ss = m.TeamSheetScoreX6;
  if (m.TeamSheetScoreX1 == 0) {
    const float ys[5] = {m.TeamSheetScoreX1, m.TeamSheetScoreX2, m.TeamSheetScoreX3,
                         m.TeamSheetScoreX4, m.TeamSheetScoreX5};
    for (size_t i = 0; i < 5; ++i) {
      if (k.Scores[i].isEmpty()) break;
      device.PrintStr(sx, Y + ys[i], ss, ss, ss, 0, k.Scores[i]);
    }
  } else if (!k.Scores[2].isEmpty()) {
    device.PrintStr(sx, Y + m.TeamSheetScoreX1, ss, ss, ss, 0, k.Scores[0]);
    device.PrintStr(sx, Y + m.TeamSheetScoreX2, ss, ss, ss, 0, k.Scores[1]);
    device.PrintStr(sx, Y + m.TeamSheetScoreX3, ss, ss, ss, 0, k.Scores[2]);
  } else {
    device.PrintStr(sx, Y + m.TeamSheetScoreX4, ss, ss, ss, 0, k.Scores[0]);
    device.PrintStr(sx, Y + m.TeamSheetScoreX5, ss, ss, ss, 0, k.Scores[1]);
  }

  device.SetDrawWidth(0.2);
  const double t = Y + m.TeamSheetM16;
  const double b = t + m.TeamSheetM18;
  const double tip = m.TeamSheetM17;
  const double lBase = X + m.TeamSheetM14;
  const double lTip = lBase + tip / 2;
  device.OutputLine(lTip, t, lBase, t + tip);
  device.OutputLine(lBase, t + tip, lBase, b - tip);
  device.OutputLine(lBase, b - tip, lTip, b);
  const double rTip = X + m.TeamSheetM15 + tip / 2;
  const double rUp = rTip + tip / 2;
  device.OutputLine(rTip, t, rUp, t + tip);
  device.OutputLine(rUp, t + tip, rUp, b - tip);
  device.OutputLine(rUp, b - tip, rTip, b);
}

}  // namespace qv
