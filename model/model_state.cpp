#include "model/model_state.h"

namespace vev {

ModelState::ModelState()
    : activeCamera(&freeCamera),
      freeCamera(unitPose({-10.0f, 3.0f, 0.0f})),
      worldFrame(unitPose()) {
  freeCamera.zoom = 45.0f;
}

void ModelState::reset() {
  const ModelState fresh;
  scene.reset();
  controlled = nullptr;
  freeCamera = fresh.freeCamera;
  activeCamera = &freeCamera;
  worldFrame = fresh.worldFrame;
  defaultBody = fresh.defaultBody;
  viewerPose.reset();
  keyState = fresh.keyState;
  frameStepMs = fresh.frameStepMs;
  frameReady = fresh.frameReady;
  gravity = fresh.gravity;
  lightDirection = fresh.lightDirection;
}

}  // namespace vev
