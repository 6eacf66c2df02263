#pragma once

namespace vev {

// The program's version, as the About dialog, `vev --version` and `vev-scene --version` show it.
inline constexpr const char* kProgramVersion = "3.22";

}  // namespace vev
