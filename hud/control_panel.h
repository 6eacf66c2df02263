#pragma once

#include <string>
#include <vector>

#include "model/identity.h"
#include "render/hud_primitives.h"

namespace vev {

// A line of the control panel and the colour it is drawn in.
struct PanelLine {
  std::string text;
  HudColour colour;
};

// The control panel's lines, top first. A craft whose file writes its key list (`HELPSTRING`
// items) shows those lines, each in its item's colour, in file order; any other lists its own
// channels, then for each node with a body its name and its channels, in orange. A channel is
// listed when its increase key is set, as its label followed by the names of its increase and
// decrease keys ("OPT 1-T B").
std::vector<PanelLine> controlPanelLines(const Identity& controlled);

}  // namespace vev
