#pragma once

#include <string>
#include <vector>

#include "app/view_state.h"

namespace vev {

// Whether the working directory holds the demonstration's sw/ folder; when it does not, says so
// for `command`, which then stops before it flies or writes anything.
bool demoFolderHere(const char* command);

// The scene of a headless run: the demonstration read from sw/ in the working directory (see
// demoFolderHere), with the given files added after it as the toolbar's add command adds them;
// or, without the demonstration, the files loaded as `dump` loads them. False when a file could
// not be opened (the others are still loaded).
bool loadRunScene(ViewState& view, bool demo, const std::vector<std::string>& files);

// How many shots are in flight.
int countShots(const ModelState& model);

}  // namespace vev
