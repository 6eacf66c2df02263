#pragma once

#include "scenefile/load_report.h"

namespace vev {

// Adds what the parts a file loaded show that no single line does, each at its section keyword's
// line: parts that no frame draws, text items off the HUD's 80 x 25 grid, and faces or lattices
// that cost more than a part's share of a frame. `check` and the program's news count them alike.
void noteLoadedParts(LoadReport& report);

}  // namespace vev
