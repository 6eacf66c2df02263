#include "app/free_camera.h"

#include "model/kinematics.h"

namespace vev {
namespace {

constexpr KeyCode kCtrl = 17;
constexpr float kStep = 0.5f;          // metres
constexpr float kTurn = 2.0f;          // degrees
constexpr float kWatchBehind = 45.0f;  // metres behind the subject the outside view starts
constexpr float kWatchAbove = 15.0f;
constexpr float kWatchZoom = 50.0f;  // degrees, when the free camera has none

struct CameraKey {
  KeyCode key;
  bool turn;
  Vec3 axis;
  float amount;
};

// Applied in this order when several are held.
constexpr CameraKey kCameraKeys[] = {
    {105, false, {1, 0, 0}, kStep},  // keypad 9
    {99, false, {1, 0, 0}, -kStep},  // keypad 3
    {103, false, {0, 1, 0}, kStep},  // keypad 7
    {97, false, {0, 1, 0}, -kStep},  // keypad 1
    {110, false, {0, 0, 1}, kStep},  // keypad decimal point
    {96, false, {0, 0, 1}, -kStep},  // keypad 0
    {106, true, {1, 0, 0}, kTurn},   // keypad multiply
    {111, true, {1, 0, 0}, -kTurn},  // keypad divide
    {100, true, {0, 1, 0}, kTurn},   // keypad 4
    {102, true, {0, 1, 0}, -kTurn},  // keypad 6
    {98, true, {0, 0, 1}, kTurn},    // keypad 2
    {104, true, {0, 0, 1}, -kTurn},  // keypad 8
};

}  // namespace

void applyFreeCameraKeys(ModelState& model) {
  if (model.activeCamera != &model.freeCamera || model.keyState[kCtrl] == 0) return;
  Pose& camera = model.freeCamera;
  for (const CameraKey& k : kCameraKeys) {
    if (model.keyState[k.key] == 0) continue;
    if (k.turn) {
      rotatePose(camera, k.axis[0], k.axis[1], k.axis[2], k.amount);
    } else {
      movePose(camera, k.axis[0], k.axis[1], k.axis[2], k.amount);
    }
  }
}

void watchFromOutside(ModelState& model, const Identity& subject) {
  const Pose& seen = subject.pose;
  Pose& camera = model.freeCamera;
  camera.position = seen.position - kWatchBehind * seen.tangent + kWatchAbove * seen.normal;
  Vec3 look = seen.position - camera.position;
  normalise(look);
  Vec3 side = cross(look, seen.normal);
  normalise(side);
  camera.tangent = look;
  camera.binormal = side;
  camera.normal = cross(side, look);
  if (camera.zoom <= 0.0f) camera.zoom = kWatchZoom;
  model.activeCamera = &camera;
}

}  // namespace vev
