#include "data/InsatsuUnits.h"

#include <algorithm>

#include "data/Model.h"

namespace qv {

void MakeInsatsuUnitList(Model& model) {
  InsatsuUnitState& list = model.insatsuUnits;
  list.InsatsuUnits.clear();
  auto add = [&](const QString& label, int e, const QString& kind, int t) {
    list.InsatsuUnits.push_back({label, e, kind, t});
  };

  const auto& events = model.taikai.Taikai.Shumoku;
  const int count =
      std::min(model.taikai.Taikai.ShumokuCount, static_cast<int>(events.size()));
  for (int e = 0; e < count; ++e) {
    const ShumokuRec& s = events.at(e);
    if (s.YosenLeagueAri > 0) {
      add(s.Name + QStringLiteral("(リーグ)"), e, QStringLiteral("予選リーグ"), 0);
    }
    if (s.KesshouLeagueAri > 0) {
      add(s.Name + QStringLiteral("(決勝リーグ)"), e, QStringLiteral("決勝リーグ"), 0);
    }
    for (int t = 0; t < s.TournamentCount; ++t) {
      QString suffix;
      if (t >= 1) {
        suffix = QStringLiteral("(%1位トーナメント)").arg(t + 1);
      } else if (s.YosenLeagueAri > 0 && s.TournamentCount == 1) {
        suffix = QStringLiteral("(決勝トーナメント)");
      } else {
        suffix = QStringLiteral("(トーナメント)");
      }
      add(s.Name + suffix, e, QStringLiteral("決勝トーナメント"), t);
    }
  }
  list.InsatsuUnitCount = static_cast<int>(list.InsatsuUnits.size());
  // An empty list still holds one blank element, as the array always has one.
  if (list.InsatsuUnits.empty()) list.InsatsuUnits.emplace_back();
}

}  // namespace qv
