#pragma once

#include <array>
#include <optional>

#include "model/body_state.h"
#include "model/scene_node.h"
#include "render/hud_primitives.h"

namespace vev {

// Where a channel stands between its rooms: 0 at the lower end, 1 at the upper. A channel
// without travel (both rooms 0) stands at 0; one driven past its rooms (unlimited) is held to
// the ends.
float indicatorFraction(const ControlChannel& channel);

// The two quads of a bar gauge: the part filled up to the fraction, and the rest.
struct IndicatorBar {
  float depthOffset = 0.0f;
  std::array<HudCorner, 4> filled{};
  std::array<HudCorner, 4> rest{};
};

// The bar of an INDICATOR from its first two vertices P and Q: depth offset P.x, base (P.y, P.z),
// width Q.x, length Q.y, and direction Q.z (0 upward, 1 across toward +h, -1 across toward -h
// from -P.z), filled by its own `controltx` channel (none: empty). Nothing without two vertices
// or with another direction.
std::optional<IndicatorBar> indicatorBar(const SceneNode& node);

}  // namespace vev
