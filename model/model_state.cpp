#include "model/model_state.h"

namespace vev {

ModelState::ModelState()
    : activeCamera(&freeCamera),
      freeCamera(unitPose({-10.0f, 3.0f, 0.0f})),
      worldFrame(unitPose()) {
  freeCamera.zoom = 45.0f;
}

}  // namespace vev
