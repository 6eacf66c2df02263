#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/identity.h"
#include "model/pose.h"
#include "model/scene_node.h"

namespace vev {

// One line of a TARGETBOX in HUD coordinates (h across, v up, -1 to 1 near the view's edges).
struct HudSegment {
  float hFrom = 0.0f;
  float vFrom = 0.0f;
  float hTo = 0.0f;
  float vTo = 0.0f;
};

// The marks a TARGETBOX item draws for the controlled craft's target seen from `camera`: the
// four corners of a square bracket around the target's place in the view, sized by its distance
// (`hi` at `range` metres and nearer, shrinking with distance down to `thi`, half-sizes in HUD
// units), or, when the target is behind the camera or outside the view, an arrowhead at the
// view's edge pointing the way to turn. Nothing without a target, a camera, or positive sizes
// and range.
std::vector<HudSegment> targetBoxMarks(const SceneNode& item, const Identity& controlled,
                                       const Pose* camera, float aspect);

}  // namespace vev
