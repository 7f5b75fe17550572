// The team file's stages and ties with their sub-match results.

#include <algorithm>
#include <cstdlib>

#include "data/FatalRead.h"
#include "data/Fields.h"
#include "data/Model.h"
#include "data/ModelAccess.h"
#include "data/TeamFileReader.h"
#include "data/TeamModel.h"
#include "platform/Blanks.h"
#include "platform/Numbers.h"

namespace qv {
namespace teamfile {

namespace {

// Why a tie cannot be kept, or empty when it can. A tie whose two sides name the same
// team and line-up is a placeholder and needs no line-up of its own.
QString tieFault(const TeamShumokuRec& ev, int matchNo, int teamA, int orderA, int teamB,
                 int orderB) {
  const int teamCount = static_cast<int>(ev.Teams.size());
  for (int t : {teamA, teamB}) {
    if (t < 0 || t >= teamCount) return QStringLiteral("団体の番号%1がありません").arg(t);
  }
  if (teamA == teamB && orderA == orderB) return {};
  for (auto [t, o] : {std::pair{teamA, orderA}, std::pair{teamB, orderB}}) {
    const TeamSankashaRec& team = ev.Teams.at(t);
    if (o < 0 || o >= static_cast<int>(team.Orders.size())) {
      return QStringLiteral("団体「%1」のオーダー%2がありません").arg(team.TeamName).arg(o);
    }
    const int orderNo = team.Orders.at(o).OrderNo;
    if (std::llabs(static_cast<long long>(orderNo)) != matchNo) {
      return QStringLiteral("団体「%1」のオーダーの試合番号%2が対戦番号と合いません")
          .arg(team.TeamName)
          .arg(orderNo);
    }
  }
  return {};
}

}  // namespace

// ブロック=<stage name>: the following ties belong to it.
void readBlock(Reader& r) {
  TeamShumokuRec& ev = r.currentEvent();
  ++r.stage;
  TeamBlockRec block;
  block.Meishou = platform::trimBlanks(r.line.mid(QStringLiteral("ブロック=").size()));
  ev.Blocks.resize(countSize(r.stage));
  ev.Blocks.push_back(block);
  ev.BlockCount = r.stage + 1;
}

// 対戦=<match no>,<team A>,<line-up A>,<team B>,<line-up B>,<result A>,<result B>,
// <sub 1>,...,<sub N>, then optionally two texts and a number per sub-match.
void readTaisen(Reader& r, const QStringList& fields) {
  TeamShumokuRec& ev = r.currentEvent();
  if (r.stage < 0 || r.stage >= static_cast<int>(ev.Blocks.size())) {
    FatalDataFileMsg(r.model, r.path, QStringLiteral("ブロック=の行より前にあります"), r.place(),
                     teamfile::kFatalIcon);
  }
  TeamBlockRec& block = ev.Blocks.at(r.stage);
  const QString matchText = fields[0].mid(QStringLiteral("対戦=").size());

  const auto matchNo = platform::strictWholeNumber(matchText);
  const auto teamA = platform::strictWholeNumber(fields.value(1));
  const auto orderA = platform::strictWholeNumber(fields.value(2));
  const auto teamB = platform::strictWholeNumber(fields.value(3));
  const auto orderB = platform::strictWholeNumber(fields.value(4));
  QString fault;
  if (!matchNo || !teamA || !orderA || !teamB || !orderB) {
    fault = QStringLiteral("番号が数字ではありません");
  } else {
    fault = tieFault(ev, *matchNo, *teamA, *orderA, *teamB, *orderB);
  }
  if (!r.limits.take(ReadLimit::FileSubMatches, std::max(1, ev.KouseiCount))) {
    r.refuse(ReadLimit::FileSubMatches);
    return;
  }
  TeamTaisenRec tie;
  tie.ShiaiCount = ev.KouseiCount;
  tie.Shiais.assign(countSize(ev.KouseiCount), TeamShiaiRec{});
  if (!fault.isEmpty()) {
    // The printers look the tie's teams and line-ups up by these numbers, so a tie that
    // does not fit is not read; an empty tie (same team and line-up on both sides, no
    // results) keeps its place, since the tie with number m is found at position m - 1.
    r.model.messages.warn(
        r.path, QStringLiteral("種目「%1」ブロック「%2」の対戦%3: %4\nこの対戦は読み込みません")
                    .arg(ev.Meishou, block.Meishou, matchText, fault));
    block.Taisens.push_back(std::move(tie));
    block.TaisenCount = static_cast<int>(block.Taisens.size());
    return;
  }

  tie.TeamA = *teamA;
  tie.OrderA = *orderA;
  tie.TeamB = *teamB;
  tie.OrderB = *orderB;
  tie.KekkaA = fields.value(5);
  tie.KekkaB = fields.value(6);
  const qsizetype n = ev.KouseiCount;
  for (qsizetype j = 0; j < n; ++j) {
    const QString sub = fields.value(7 + j);
    if (sub.isEmpty()) continue;
    const auto pieces = SplitColonFields(sub);
    TeamShiaiRec& s = tie.Shiais.at(j);
    s.GameCount = {pieces[0], pieces[1]};
    for (std::size_t g = 0; g < s.Scores.size(); ++g) s.Scores[g] = pieces[g + 2];
  }
  qsizetype next = 7 + n;
  for (qsizetype j = 0; j < n && next < fields.size(); ++j) {
    TeamShiaiRec& s = tie.Shiais.at(j);
    s.ExtraText1 = fields[next++];
    if (next >= fields.size()) break;
    s.ExtraText2 = fields[next++];
    if (next >= fields.size()) break;
    if (const auto v = platform::strictWholeNumber(fields[next++])) s.ExtraValue = *v;
  }
  block.Taisens.push_back(std::move(tie));
  block.TaisenCount = static_cast<int>(block.Taisens.size());
}

}  // namespace teamfile
}  // namespace qv
