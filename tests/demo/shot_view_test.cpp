#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/kinematics.h"
#include "tests/demo/demo_flight.h"

// How the demonstration's shots look on the window's first 800 x 600 view.
namespace vev::demo {
namespace {

constexpr int kViewWidth = 800;
constexpr int kViewHeight = 600;
constexpr float kDistance = 300.0f;

// The rows of the picture in which `with` differs from `without`: the shot's extent on screen.
int changedRows(const std::vector<std::uint8_t>& with, const std::vector<std::uint8_t>& without) {
  int first = kViewHeight;
  int last = -1;
  for (std::size_t at = 0; at < with.size(); ++at) {
    if (with[at] == without[at]) continue;
    const int row = static_cast<int>(at / (4 * kViewWidth));
    first = std::min(first, row);
    last = std::max(last, row);
  }
  return last - first + 1;
}

// A shot fired by the player, seen across 300 m through a camera with the cockpit's field of view
// that looks at it from the side: it is a streak of at least 4 pixels, not a dot.
TEST(ShotInView, AShotAcrossTheViewAt300MetresIsAtLeastFourPixelsLong) {
  auto context = OffscreenContext::create(kViewWidth, kViewHeight);
  ASSERT_TRUE(context);
  ViewState view{std::make_unique<SilentSoundLibrary>()};
  resize(view.viewport, kViewWidth, kViewHeight);
  SceneAssets assets = view.assets({});
  loadDemoScene(view.model, assets, VEV_SOURCE_DIR);
  const float zoom = view.model.activeCamera->zoom;
  view.model.keyState[kSpace] = 1;
  runFrame(view, takeFrameInputs(view), {});
  Identity* shot = nullptr;
  for (Identity* it = view.model.scene.get(); it && !shot; it = it->next.get()) {
    if (isShot(*it)) shot = it;
  }
  ASSERT_TRUE(shot);

  Pose camera;
  camera.tangent = shot->pose.normal;
  camera.normal = shot->pose.tangent;
  camera.binormal = cross(camera.tangent, camera.normal);
  camera.position = shot->pose.position - kDistance * camera.tangent;
  camera.zoom = zoom;
  view.model.activeCamera = &camera;
  drawStillFrame(view);
  context->finish();
  const std::vector<std::uint8_t> with = context->rgbaRows();
  const Vec3 away = -2.0f * kDistance * camera.tangent;
  translateIdentity(*shot, away[0], away[1], away[2]);
  drawStillFrame(view);
  context->finish();
  const int rows = changedRows(with, context->rgbaRows());
  EXPECT_GE(rows, 4);
  RecordProperty("shotPixels", rows);
}

}  // namespace
}  // namespace vev::demo
