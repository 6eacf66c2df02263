#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "app/demo_scene.h"
#include "app/frame.h"
#include "app/game_step.h"
#include "app/view_state.h"
#include "render/offscreen/offscreen_context.h"
#include "render/viewport.h"
#include "sim/node_kind.h"
#include "sim/state_checksum.h"
#include "sound/silent_sound_library.h"

namespace vev::demo {
namespace {

#ifdef VEV_SANITIZED
constexpr int kFrames = 600;
#else
constexpr int kFrames = 3000;
#endif

// The demonstration's fight with the attack pilot, the player firing both pairs of lasers and
// turning now and then, drawn every frame as `prepare` sets the view up; the state's checksum
// every 50 frames.
std::vector<std::uint64_t> flyFight(const std::function<void(ViewState&)>& prepare) {
  auto context = OffscreenContext::create(96, 72);
  EXPECT_TRUE(context);
  ViewState view(std::make_unique<SilentSoundLibrary>());
  resize(view.viewport, 96, 72);
  SceneAssets assets = view.assets({});
  loadDemoScene(view.model, assets, VEV_SOURCE_DIR);
  view.settings.attack = 1;
  prepare(view);
  std::vector<std::uint64_t> checksums;
  for (int frame = 1; frame <= kFrames; ++frame) {
    KeyStates& keys = view.model.keyState;
    keys[32] = frame % 50 < 30 ? 1 : 0;   // space: one pair of lasers
    keys[16] = frame % 40 < 10 ? 1 : 0;   // shift: the other
    keys[37] = frame % 150 < 20 ? 1 : 0;  // left
    keys[84] = frame < 40 ? 1 : 0;        // thrust up
    runFrame(view, takeFrameInputs(view), {});
    if (frame % 50 == 0) checksums.push_back(stateChecksum(view.model));
  }
  return checksums;
}

// Whatever the view shows and however it draws, the fight is the same to the bit: the cockpit
// of craft 0, the camera of craft 6 with simple shapes, and the free camera with the collision
// view on.
TEST(OneSimulation, TheCameraAndTheDrawingSettingsNeverReachTheState) {
  const std::vector<std::uint64_t> cockpit = flyFight([](ViewState&) {});
  const std::vector<std::uint64_t> otherCraft = flyFight([](ViewState& view) {
    Identity* craft = view.model.scene.get();
    for (int i = 0; i < 6 && craft; ++i) craft = craft->next.get();
    ASSERT_NE(craft, nullptr);
    for (SceneNode* node = craft->nodes.get(); node; node = node->next.get()) {
      if (isKind(*node, "CAMERA")) {
        view.model.activeCamera = node->pose.get();
        break;
      }
    }
    view.settings.simpleShapes = 1;
  });
  const std::vector<std::uint64_t> freeCamera = flyFight([](ViewState& view) {
    view.model.activeCamera = &view.model.freeCamera;
    view.settings.collisionDebug = 1;
    view.settings.shading = 'w';
  });
  ASSERT_EQ(cockpit.size(), static_cast<std::size_t>(kFrames / 50));
  EXPECT_EQ(otherCraft, cockpit);
  EXPECT_EQ(freeCamera, cockpit);
  EXPECT_NE(cockpit.front(), cockpit.back()) << "the fight moved";
}

}  // namespace
}  // namespace vev::demo
