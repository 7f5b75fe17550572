#include "team/TeamResultCsv.h"

#include <algorithm>

#include "data/Dates.h"
#include "data/Model.h"
#include "data/ModelAccess.h"
#include "data/SankashaRef.h"
#include "platform/Blanks.h"
#include "platform/Numbers.h"
#include "platform/Width.h"
#include "teamlogic/TeamNames.h"
#include "teamlogic/TeamOutputState.h"
#include "teamlogic/TeamSubMatch.h"

namespace qv {

namespace {

const QString kForfeit = QStringLiteral("X");

QString narrowTrimmed(const QString& text) {
  return platform::trimBlanks(platform::toHalfWidth(text));
}

// "3" and "2" -> "3-2"; two empty texts -> "-".
QString scoreCell(const QString& left, const QString& right) {
  return narrowTrimmed(left + QStringLiteral("－") + right);
}

// The fields of one row joined by ","; a comma inside a field would start a new column.
QString csvRow(const QStringList& fields) {
  QStringList cells;
  cells.reserve(fields.size());
  for (const QString& f : fields) cells << QString(f).replace(QLatin1Char(','), QStringLiteral("，"));
  return cells.join(QLatin1Char(','));
}

QString baseName(const QString& taikaiFileName) {
  return taikaiFileName.left(std::max<qsizetype>(0, taikaiFileName.size() - 4));
}

// Game scores from the first up to the first empty one, joined by ":".
QString pointsCell(const SubMatchKekkaRec& k) {
  QStringList games;
  for (const QString& score : k.Scores) {
    const QString s = narrowTrimmed(score);
    if (s.isEmpty()) break;
    games << s;
  }
  return games.join(QLatin1Char(':'));
}

QString playersCell(const QString& kind, const QString& first, const QString& second) {
  return kind == QStringLiteral("複") ? first + QLatin1Char(':') + second : first;
}

// The five detail fields of sub-match s: its name, the left players, games won, the game
// scores and the right players. A sub-match that cannot be read whole (no line-up or
// result stored for it yet) is written without players or results rather than with the
// previous sub-match's.
QStringList subMatchFields(const Model& model, TeamOutputState& out, int teamEvent,
                           const TeamShumokuRec& ev, int stage, int s, int swap) {
  const QString& name = ev.Kousei.at(s).Meishou;
  if (!GetTeamSubMatch(model.team, teamEvent, model.kankyou.KikenMark, out, stage, s, swap,
                       1 - swap))
    return {name, QString(), scoreCell(QString(), QString()), QString(), QString()};
  const SubMatchKekkaRec& k = out.SubMatchKekka;
  return {name, playersCell(k.Kind, k.LeftPlayer1, k.LeftPlayer2),
          scoreCell(k.GamesWon[0], k.GamesWon[1]), pointsCell(k),
          playersCell(k.Kind, k.RightPlayer1, k.RightPlayer2)};
}

struct Exporter {
  const Model& model;
  TeamOutputState& out;
  SankashaRefIndex refs;
  TeamResultCsvLines lines;

  QString teamName(const TeamShumokuRec& ev, int index) {
    const TeamSankashaRec* team = itemAt(ev.TeamCount, ev.Teams, index);
    if (!team) return QString();
    QString subText;
    return GetShortTeamName(model.taikai.sw, ResolveSankashaRef(model, refs, team->TeamName, subText));
  }

  void tie(int i, const TeamShumokuRec& ev, int b, int t) {
    const TeamTaisenRec& tie = ev.Blocks.at(b).Taisens.at(t);
    if (tie.TeamA == tie.TeamB) return;  // a pairing not filled in yet
    const QString label = platform::toFullWidth(TeamResultTaisenLabel(model, i, b, t));
    out.TaisenLabel = QString::number(t + 1);

    const int swap = TeamResultSwap(tie.KekkaA, tie.KekkaB);
    const QString& leftKekka = swap ? tie.KekkaB : tie.KekkaA;
    const QString& rightKekka = swap ? tie.KekkaA : tie.KekkaB;
    const QStringList summary{ev.Meishou, label, teamName(ev, swap ? tie.TeamB : tie.TeamA),
                              scoreCell(leftKekka, rightKekka),
                              teamName(ev, swap ? tie.TeamA : tie.TeamB)};
    lines.summary << csvRow(summary);

    const int subMatches = kouseiCount(ev);
    for (int s = 0; s < subMatches; ++s) {
      const QStringList head = s == 0 ? summary : QStringList(5, QString());
      lines.detail << csvRow(head + subMatchFields(model, out, i, ev, b, s, swap));
    }
  }

  void run() {
    const TaikaiRec& taikai = model.taikai.Taikai;
    const QString title = taikai.Name + QStringLiteral("　　") +
                          ToWarekiDate(taikai.KaisaiBi, model.clock) + QStringLiteral("　　") +
                          taikai.Kaijou;
    lines.summary << csvRow({title}) << QStringLiteral("種目,試合番号,チーム１,勝敗,チーム２");
    lines.detail << csvRow({title})
                 << QStringLiteral("種目,試合番号,チーム１,勝敗,チーム２,構成種目,選手１,ゲーム,ポイント,選手２");

    const int events = teamEventCount(model.team);
    for (int i = 0; i < events; ++i) {
      SetTeamSubMatchRows(model.team, i, out);
      const TeamShumokuRec& ev = model.team.TeamShumokus.at(i);
      const int stages = teamBlockCount(ev);
      for (int b = 0; b < stages; ++b) {
        const int ties = tieCount(ev.Blocks.at(b));
        for (int t = 0; t < ties; ++t) tie(i, ev, b, t);
      }
    }
  }
};

}  // namespace

QString TeamResultDetailFileName(const QString& taikaiFileName) {
  return baseName(taikaiFileName) + QStringLiteral("団体戦明細結果.csv");
}

QString TeamResultSummaryFileName(const QString& taikaiFileName) {
  return baseName(taikaiFileName) + QStringLiteral("団体戦結果.csv");
}

TeamResultCsvLines MakeTeamResultCsv(const Model& model, TeamOutputState& out) {
  Exporter e{model, out, SankashaRefIndex(model.taikai.Taikai), {}};
  e.run();
  return std::move(e.lines);
}

int TeamResultSwap(const QString& kekkaA, const QString& kekkaB) {
  const QString a = narrowTrimmed(kekkaA);
  const QString b = narrowTrimmed(kekkaB);
  if (a.isEmpty() && b.isEmpty()) return 0;
  if (a == kForfeit) return b == kForfeit ? 0 : 1;
  if (b == kForfeit) return 0;
  // 10 sub-matches beat 9; texts that are not counts keep the character order.
  const auto na = platform::numericValue(a);
  const auto nb = platform::numericValue(b);
  if (na && nb) return *na > *nb ? 0 : 1;
  return kekkaA > kekkaB ? 0 : 1;
}

QString TeamResultTaisenLabel(const Model& model, int teamEvent, int stage, int tie) {
  const QString number = QString::number(tie + 1);
  const TeamShumokuRec* team = teamEventAt(model.team, teamEvent);
  if (!team) return number;
  // The event this team event was read with; not necessarily the one at the same index.
  const ShumokuRec* ev = eventAt(model.taikai.Taikai, team->ShumokuIndex);
  if (!ev || ev->TeamShumokuIndex != teamEvent || ev->YosenLeagueAri <= 0) return number;

  QString label;
  if (stage < ev->YosenLeague.BlockCount) {
    const LeagueBlockRec* block = blockAt(ev->YosenLeague, stage);
    if (!block || tie < 0 || tie >= static_cast<int>(block->TaisenIndex.size())) return number;
    const LeagueTaisenRec* match = matchAt(*block, block->TaisenIndex.at(tie));
    if (!match) return number;
    label = block->Name + QLatin1Char('-') + match->ShiaiBangouHyouji;
  } else {
    const TournamentRec* draw = itemAt(ev->TournamentCount, ev->Tournaments, 0);
    if (!draw || tie + 1 >= static_cast<int>(draw->ShiaiJunNode.size())) return number;
    const TaisenRec* node = TournamentNode(*draw, draw->ShiaiJunNode[static_cast<size_t>(tie) + 1]);
    if (!node) return number;
    label = node->ShiaiBangouHyouji;
  }
  return label.isEmpty() ? number : label;
}

}  // namespace qv
