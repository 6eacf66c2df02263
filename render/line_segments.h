#pragma once

#include <array>
#include <vector>

#include "model/vector3.h"

namespace vev {

// A coloured line in world coordinates, such as a test vector of the collision debug view.
struct DebugSegment {
  Vec3 from{};
  Vec3 to{};
  std::array<float, 3> colour{};  // RGB, 0 to 1
};

using DebugLines = std::vector<DebugSegment>;

// Draws the segments into the frame's projection and camera, unlit and untextured, over the
// depth buffer.
void drawLineSegments(const DebugLines& lines);

}  // namespace vev
