#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/demo_pilot.h"
#include "app/demo_scene.h"
#include "app/frame.h"
#include "app/game_step.h"
#include "app/view_state.h"
#include "model/text.h"
#include "render/offscreen/offscreen_context.h"
#include "render/viewport.h"
#include "sim/node_kind.h"
#include "sound/silent_sound_library.h"

// The demonstration as the program starts it, from the committed sw/, flown headless: each step
// is one timer tick (the demo pilot) and one painted frame, exactly as the window runs them.
namespace vev::demo {

// Help-text keys, as Windows virtual-key codes.
inline constexpr KeyCode kShift = 16, kSpace = 32, kPageDown = 34, kLeft = 37, kUp = 38,
                         kRight = 39, kDown = 40, kDelete = 46, kA = 65, kB = 66, kE = 69, kQ = 81,
                         kS = 83, kT = 84, kX = 88, kZ = 90;

inline constexpr float kDegreesPerRadian = 57.2957795f;

// The angle between two directions, in degrees.
inline float angleBetween(const Vec3& a, const Vec3& b) {
  const float c = dot(a, b) / (length(a) * length(b));
  return std::acos(std::fmax(-1.0f, std::fmin(1.0f, c))) * kDegreesPerRadian;
}

struct DemoFlight : ::testing::Test {
  static constexpr int kWidth = 200;
  static constexpr int kHeight = 150;

  DemoFlight() {
    resize(view.viewport, kWidth, kHeight);
    SceneAssets assets =
        view.assets([this](const std::string& path) { unreadable.push_back(path); });
    loadDemoScene(view.model, assets, VEV_SOURCE_DIR);
  }

  void SetUp() override {
    ASSERT_TRUE(context) << "no offscreen GL context";
    ASSERT_NE(player(), nullptr) << "the demonstration did not load";
  }

  void frames(int count) {
    for (int i = 0; i < count; ++i) {
      runFrame(view, takeFrameInputs(view), {});
    }
  }

  void hold(KeyCode key) { view.model.keyState[key] = 1; }
  void release(KeyCode key) { view.model.keyState[key] = 0; }

  // Holds the key for `count` frames, then lets it go.
  void press(KeyCode key, int count = 1) {
    hold(key);
    frames(count);
    release(key);
  }

  Identity* player() { return view.model.scene.get(); }

  // Every Identity of the scene that is not a shot, in list order.
  std::vector<Identity*> identities() {
    std::vector<Identity*> list;
    for (Identity* it = view.model.scene.get(); it; it = it->next.get()) {
      if (!isShot(*it)) list.push_back(it);
    }
    return list;
  }

  // The computer-flown craft: every Identity between the player and the surroundings.
  std::vector<Identity*> computerCraft() {
    std::vector<Identity*> list = identities();
    if (list.size() < 2) return {};
    return {list.begin() + 1, list.end() - 1};
  }

  Identity* surroundings() { return identities().back(); }

  std::vector<Identity*> shots() {
    std::vector<Identity*> list;
    for (Identity* it = view.model.scene.get(); it; it = it->next.get()) {
      if (isShot(*it)) list.push_back(it);
    }
    return list;
  }

  static SceneNode* node(Identity& identity, const std::string& name) {
    for (SceneNode* n = identity.nodes.get(); n; n = n->next.get()) {
      if (n->name == name) return n;
    }
    ADD_FAILURE() << identity.name << " has no part named " << name;
    return nullptr;
  }

  SceneNode* playerPart(const std::string& name) { return node(*player(), name); }

  float speed(const Identity& identity) const { return length(identity.motion.velocity); }

  std::optional<OffscreenContext> context = OffscreenContext::create(kWidth, kHeight);
  ViewState view{std::make_unique<SilentSoundLibrary>()};
  std::vector<std::string> unreadable;
};

}  // namespace vev::demo
