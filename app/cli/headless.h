#pragma once

#include <string>
#include <vector>

#include "app/view_state.h"

namespace vev {

// The scene of a headless run: the demonstration read from sw/ in the working directory, with
// the given files added after it as the toolbar's add command adds them; or, without the
// demonstration, the files loaded as `dump` loads them. False when a file could not be opened
// (the others are still loaded).
bool loadRunScene(ViewState& view, bool demo, const std::vector<std::string>& files);

// How many shots are in flight.
int countShots(const ModelState& model);

}  // namespace vev
