#include "app/free_camera.h"

#include "model/kinematics.h"

namespace vev {
namespace {

constexpr KeyCode kCtrl = 17;
constexpr float kStep = 0.5f;  // metres
constexpr float kTurn = 2.0f;  // degrees

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

}  // namespace vev
