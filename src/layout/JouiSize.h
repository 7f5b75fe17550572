#pragma once
// The size of an event's upper-rounds draw (the draw of its best N) as the event grid
// keeps it.

namespace qv {

// 0 becomes 8; then the size is halved (halves to even) while it is larger than limit,
// the number of entries and qualifiers, so the draw never holds more places than the
// event has entrants. A limit below 0 ends at 0.
int NormalisedJouiSize(int size, long long limit);

}  // namespace qv
