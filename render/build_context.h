#pragma once

#include "model/pose.h"
#include "model/vector3.h"
#include "render/render_settings.h"

namespace vev {

// What every builder reads besides its node: the camera of the frame, the light and the step.
// `finestDetail` builds curved parts at the finest step the level of detail gives, wherever the
// camera is: the collision faces are built so.
struct BuildContext {
  const Pose& camera;
  Vec3 lightDirection{0.0f, 0.0f, -1.0f};
  float frameStepSeconds = 0.04f;
  RenderSettings settings;
  bool finestDetail = false;
};

}  // namespace vev
