#pragma once
// The fourteen page phrase fields, the phrase file and the printer font list.

namespace qv {

struct BunshouState {};

}  // namespace qv
