#pragma once
// The game rule decoded last.

namespace qv {

struct RuleState {
  int RulePoints = 0;
  int RuleGames = 0;
  int RuleCap = 0;
};

}  // namespace qv
