#pragma once
// Entry-text splitting and the filters applied to printed names.

namespace qv {

struct PrintFilterState {};

}  // namespace qv
