#pragma once
// Values read from the configuration file and the user file.

namespace qv {

struct KankyouState {};

}  // namespace qv
