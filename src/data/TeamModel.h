#pragma once
// Team events: divisions, sub-match definitions, teams, line-ups, stages and ties.

namespace qv {

struct TeamState {};

}  // namespace qv
