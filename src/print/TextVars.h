#pragma once
// Text variables and the "&" placeholders of printed texts.

namespace qv {

struct TextVarState {};

}  // namespace qv
