#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "model/body_state.h"
#include "model/identity.h"
#include "model/keys.h"
#include "model/pose.h"
#include "model/vector3.h"

namespace vev {

// The whole simulated world, owned by the view (or the headless runner) for its lifetime.
struct ModelState {
  ModelState();
  ModelState(const ModelState&) = delete;
  ModelState& operator=(const ModelState&) = delete;

  // Releases the scene and puts every value back as a new model has it.
  void reset();

  std::unique_ptr<Identity> scene;  // head of the Identity list
  Identity* controlled = nullptr;   // the Identity under user control
  Pose* activeCamera = nullptr;     // the pose used as camera this frame
  Pose freeCamera;
  Pose worldFrame;                 // the origin with unit axes; rotations about world axes use it
  BodyState defaultBody;           // pivot at the origin, for what has no body of its own
  std::optional<Pose> viewerPose;  // copy of the camera pose taken each frame
  KeyStates keyState{};
  int frameStepMs = 40;
  std::int32_t frameReady = 1;
  Vec3 gravity{0.0f, 0.0f, 0.0f};
  Vec3 lightDirection{0.0f, 0.0f, -1.0f};

  // The fixed simulation step every rate is multiplied by.
  // 0.04 for 40 ms: the product in double, rounded once, so that a rate of 25 moves exactly 1.
  float frameStepSeconds() const { return static_cast<float>(frameStepMs * 0.001); }
};

}  // namespace vev
