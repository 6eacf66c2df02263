#pragma once

#include <string>
#include <vector>

#include "model/identity.h"

namespace vev {

// The control panel's lines, top first: the Identity's own channels, then for each node with
// a body its name and its channels. A channel is listed when its increase key is set, as its
// label followed by the names of its increase and decrease keys ("OPT 1-T B").
std::vector<std::string> controlPanelLines(const Identity& controlled);

}  // namespace vev
