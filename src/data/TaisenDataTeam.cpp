// The match-data reader's team stages: a team event's league blocks and knock-outs are
// its stages, in that order, and each league block's matches are its ties.

#include <algorithm>

#include "data/Model.h"
#include "data/ModelAccess.h"
#include "data/TaisenDataReader.h"
#include "platform/Messages.h"

namespace qv {
namespace taisen {

void selectTeamEvent(Reader& r) {
  r.team = -1;
  const ShumokuRec& e = *r.event();
  if (e.Shubetsu != QStringLiteral("団体")) return;
  const auto& teams = r.model.team.TeamShumokus;
  const int t = e.TeamShumokuIndex;
  if (t >= 0 && t < static_cast<int>(teams.size()) &&
      teams.at(t).ShumokuIndex == r.shumoku) {
    r.team = t;
    return;
  }
  // Without its team record the event's stages have nowhere to go; its leagues and
  // knock-outs are still read.
  r.model.messages.warn(
      QStringLiteral("種目名称＝") + e.Name,
      QStringLiteral("団体戦の種目データが見つかりません。この種目の団体戦のブロックと対戦は設定しません"));
}

void ensureTeamStage(Reader& r, const QString& name, bool rename) {
  TeamShumokuRec* t = r.teamEvent();
  const int index = r.stage;
  if (!t || index < 0) return;
  const auto at = static_cast<std::size_t>(index);
  if (t->BlockCount < index + 1) {
    t->Blocks.resize(at + 1);
    t->Blocks[at] = TeamBlockRec{};
    t->Blocks[at].Meishou = name;
    t->BlockCount = index + 1;
  } else if (rename && at < t->Blocks.size()) {
    t->Blocks[at].Meishou = name;
  }
}

void sizeTeamStage(Reader& r, int n) {
  TeamShumokuRec* t = r.teamEvent();
  const int index = r.stage;
  if (!t || index < 0 || index >= static_cast<int>(t->Blocks.size())) return;
  TeamBlockRec& stage = t->Blocks.at(index);
  stage.TaisenCount = n;
  // Ties that the team file gave are kept with their line-ups and results; only the missing
  // ones are added, each with an empty result per sub-match.
  const std::size_t want = static_cast<std::size_t>(n) + 1;
  const int kousei = std::max(0, t->KouseiCount);
  while (stage.Taisens.size() < want) {
    TeamTaisenRec tie;
    tie.ShiaiCount = kousei;
    tie.Shiais.assign(countSize(kousei), TeamShiaiRec{});
    stage.Taisens.push_back(std::move(tie));
  }
}

}  // namespace taisen
}  // namespace qv
