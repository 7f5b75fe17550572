#pragma once
// Page layout model: paper, pages, regions and placements.

namespace qv {

struct InsatsuSeigyoState {};

}  // namespace qv
