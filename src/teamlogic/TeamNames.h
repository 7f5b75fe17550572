#pragma once
// Team names prepared for tie sheets, the tie detail page and the team-result files.

#include <QString>

namespace qv {

struct TaikaiSwitches;

// The team name shortened for print: under the option word "関東中学" a name ending in
// "中学校" ends in "中" (東京都・港区立第一中学校 -> 東京都・第一中); under DELBLA the name
// is cut before its first "（"; then every half-width and full-width blank is removed.
QString GetShortTeamName(const TaikaiSwitches& sw, const QString& name);

// The text after the first "（" with every "）" removed; empty when the name has no "（".
QString GetKakkoText(const QString& name);

}  // namespace qv
