#pragma once
// Tie-sheet seal boxes (団体結果検印).

namespace qv {

struct TeamKeninState {};

}  // namespace qv
