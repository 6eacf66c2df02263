#pragma once

#include <vector>

#include "model/identity.h"
#include "model/scene_node.h"

namespace vev {

// A contact on the radar, at HUD point (h, v); `target` for the controlled Identity's target.
struct RadarContact {
  float h = 0.0f;
  float v = 0.0f;
  bool target = false;
};

// The contacts a RADAR shows: every Identity but the controlled one, shots and destroyed craft,
// placed by azimuth and elevation around the centre (cx, cy) with half-sizes thi and hi. The x of
// the first vertex picks the frame: 1 the controlled Identity's axes (forward), -1 the same
// turned about (rear), anything else the world axes. Only contacts within 90 degrees of azimuth
// are shown; one at the controlled Identity's position or straight above or below it has no
// azimuth and is not shown. Nothing for a radar without vertices.
std::vector<RadarContact> radarContacts(const SceneNode& radar, const Identity* scene,
                                        const Identity& controlled);

}  // namespace vev
