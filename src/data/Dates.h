#pragma once
// The tournament date (開催日) and the game-rule codes.

#include <QString>

#include "data/RuleState.h"
#include "platform/Clock.h"

namespace qv {

// Brings a typed tournament date into the form "yyyy.mm.dd", followed by the range part as
// typed ("2009.05.03-04", "2009.05.31-06.01"). Accepts 平成 and two-digit years, full-width
// characters, 年月日 and six- or eight-digit dates. A date that cannot be read is returned
// as typed, trimmed.
QString NormalizeKaisaibi(const QString& typed);

// The era date in full-width digits: "2009.05.03-04" gives 平成２１年５月３日－４日.
// Also reads yyyy/mm/dd, yyyymmdd and mmdd (in the clock's current year). A text whose
// year falls before every era (no digits at all, say "未定") is returned unchanged.
QString ToWarekiDate(const QString& date, const platform::Clock& clock);

// Splits a game-rule code into points per game, games per match and the point cap.
void DecodeShiaiKeishiki(RuleState& rule, int code);

}  // namespace qv
