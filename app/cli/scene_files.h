#pragma once

#include <string>
#include <vector>

#include "app/view_state.h"

namespace vev {

// Loads the files one after the other into the view's scene, as the program does. A file that
// cannot be opened, and a texture that cannot be read, are named on standard error; the other
// files are still loaded. False if any file could not be opened.
bool loadSceneFiles(ViewState& view, const std::vector<std::string>& paths);

// "cannot open scene file PATH", with ": it is a named pipe, not a file" and the like when the
// path is no file.
std::string cannotOpenMessage(const std::string& path);

}  // namespace vev
