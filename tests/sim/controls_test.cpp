#include <gtest/gtest.h>

#include "sim/controls.h"
#include "sim/joystick_keys.h"
#include "sim/target_selection.h"
#include "tests/sim/sim_scene.h"

namespace vev::test {
namespace {

constexpr KeyCode kUp = 38, kDown = 40, kLeft = 37, kRight = 39;

class FakeJoystick : public Joystick {
 public:
  std::optional<JoystickRange> range = JoystickRange{0, 100, 0, 100};
  JoystickPosition at{50, 50};
  int queries = 0;

  std::optional<JoystickRange> capabilities() override {
    ++queries;
    return range;
  }
  JoystickPosition position() override { return at; }
};

class Controls : public ::testing::Test {
 protected:
  SimScene scene;
  Identity& player = scene.addIdentity("PLAYER");
  Identity& other = scene.addIdentity("OTHER");
  FakeJoystick joystick;
  std::int32_t joystickEnabled = 1;

  void SetUp() override {
    scene.model.controlled = &player;
    player.body.joyKeys = {kUp, kDown, kLeft, kRight};
  }
  // The joystick is folded into the player's keys before the step, as the view does.
  void frame() {
    KeyStates keys = scene.model.keyState;
    pressJoystickKeys(keys, player.body.joyKeys, &joystick, joystickEnabled);
    stepControls(scene.model, keys);
  }
  std::array<std::int16_t, 4> joystickKeys() const {
    return {player.keys[kUp], player.keys[kDown], player.keys[kLeft], player.keys[kRight]};
  }
};

TEST_F(Controls, OnlyTheControlledIdentityReadsTheKeyboard) {
  scene.model.keyState[84] = 1;
  scene.model.keyState[399] = 1;
  player.keys[399] = 0;
  frame();
  EXPECT_EQ(player.keys[84], 1);
  EXPECT_EQ(player.keys[399], 0);
  EXPECT_EQ(other.keys[84], 0);
}

TEST_F(Controls, KeyCopyKeepsTheTriggerKeyOfAPendingDetonation) {
  giveDamage(player, 10, 0, 1, 120);
  player.keys[120] = 1;
  frame();
  EXPECT_EQ(player.keys[120], 1);
}

TEST_F(Controls, JoystickDeflectionPressesItsKeysOverTheKeyboard) {
  scene.model.keyState[kDown] = 1;
  joystick.at = {0, 100};  // toward x's minimum and y's maximum
  frame();
  EXPECT_EQ(joystickKeys(), (std::array<std::int16_t, 4>{1, 0, 1, 0}));
  joystick.at = {100, 0};
  frame();
  EXPECT_EQ(joystickKeys(), (std::array<std::int16_t, 4>{0, 1, 0, 1}));
}

TEST_F(Controls, JoystickInsideTheDeadZoneReleasesKeysTheKeyboardHolds) {
  scene.model.keyState[kUp] = 1;
  scene.model.keyState[kLeft] = 1;
  joystick.at = {30, 70};  // deflections of exactly 0.2
  frame();
  EXPECT_EQ(joystickKeys(), (std::array<std::int16_t, 4>{0, 0, 0, 0}));
}

TEST_F(Controls, FailedJoystickQuerySwitchesItOffAndLeavesTheKeyboardKeys) {
  scene.model.keyState[kUp] = 1;
  joystick.range.reset();
  frame();
  EXPECT_EQ(joystickEnabled, 0);
  EXPECT_EQ(player.keys[kUp], 1);
  frame();
  EXPECT_EQ(joystick.queries, 1);

  joystickEnabled = 1;
  pressJoystickKeys(player.keys, player.body.joyKeys, nullptr, joystickEnabled);
  EXPECT_EQ(joystickEnabled, 0);
}

TEST_F(Controls, JoystickIsNotReadForACraftWithoutJoystickKeysOrOneNotControlled) {
  player.body.joyKeys = {};
  other.body.joyKeys = {kUp, kDown, kLeft, kRight};
  frame();
  EXPECT_EQ(joystick.queries, 0);
}

TEST_F(Controls, DegenerateAxisRangeReadsAsCentred) {
  joystick.range = JoystickRange{5, 5, 0, 100};
  joystick.at = {0, 100};
  frame();
  EXPECT_EQ(joystickKeys(), (std::array<std::int16_t, 4>{1, 0, 0, 0}));
}

TEST_F(Controls, ActivationKeySwitchesTheCraftOffUntilItRearms) {
  player.body.activateKey = 72;
  player.body.activateArmed = 1;
  player.body.activateDelay = 0.3f;
  player.body.translation[0] = channel(84, 0, 25.0f, 1000.0f, 0.0f);
  scene.model.keyState[72] = 1;
  frame();
  scene.model.keyState[72] = 0;
  EXPECT_EQ(player.alive, 0);
  scene.model.keyState[84] = 1;
  for (int i = 0; i < 6; ++i) frame();
  EXPECT_EQ(player.pose.position[0], 0.0f);  // no control while switched off
  frame();
  EXPECT_EQ(player.alive, 1);
  frame();
  EXPECT_GT(player.pose.position[0], 0.0f);
}

TEST_F(Controls, DestroyedCraftIsNotRevivedByARunningActivationTimer) {
  giveDamage(player, 10).destroyed = 1;
  player.alive = 0;
  player.body.activateKey = 72;
  player.body.activateDelay = 0.1f;
  player.body.activateTimer = 0.04f;
  for (int i = 0; i < 5; ++i) frame();
  EXPECT_EQ(player.alive, 0);
}

class Targets : public Controls {
 protected:
  static constexpr KeyCode kPrevious = 65, kNext = 83, kNearest = 78;
  void SetUp() override {
    Controls::SetUp();
    player.body.previousTargetKey = kPrevious;
    player.body.nextTargetKey = kNext;
    player.body.nearestTargetKey = kNearest;
    giveDamage(player, 10);
    giveDamage(other, 10);
  }
  // Holds `key` for `frames` frames, then lets go for one.
  Identity* press(KeyCode key, int frames = 1) {
    scene.model.keyState[key] = 1;
    for (int i = 0; i < frames; ++i) frame();
    scene.model.keyState[key] = 0;
    frame();
    return player.target;
  }
};

TEST_F(Targets, CyclingSkipsItselfShotsWrecksAndSurroundings) {
  giveDamage(scene.addIdentity("AMMO"), 10);
  giveDamage(scene.addIdentity("WRECK"), 10).destroyed = 1;
  scene.addIdentity("STARS");
  Identity& last = scene.addIdentity("LAST");
  giveDamage(last, 10);
  EXPECT_EQ(press(kNext), &other);
  EXPECT_EQ(press(kNext), &last);
  EXPECT_EQ(press(kNext), &other);
  EXPECT_EQ(press(kPrevious), &last);
  last.damage->destroyed = 1;
  EXPECT_EQ(press(kPrevious), &other);
  EXPECT_EQ(press(kNext), &other) << "the only craft left stays the target";
}

TEST_F(Targets, AloneTheTargetStaysEmpty) {
  other.damage.reset();
  EXPECT_EQ(press(kNext), nullptr);
  EXPECT_EQ(press(kPrevious), nullptr);
  EXPECT_EQ(press(kNearest), nullptr);
}

// At 40 ms a frame: a 150 ms press steps once; held 2 s, the key steps at the press and then,
// from 0.4 s on, four times a second.
TEST_F(Targets, APressStepsOnceAndAHeldKeyRepeatsAfterADelay) {
  for (int i = 0; i < 8; ++i) giveDamage(scene.addIdentity("CRAFT"), 10);
  const auto stepsOf = [this](int frames) {
    player.target = nullptr;
    const Identity* target = press(kNext, frames);
    int steps = 0;
    for (Identity* it = scene.model.scene.get(); it; it = it->next.get()) {
      if (it != &player) ++steps;
      if (it == target) return steps;
    }
    return 0;
  };
  EXPECT_EQ(stepsOf(4), 1);
  EXPECT_EQ(stepsOf(50), 1 + 6);
}

TEST_F(Targets, NearestKeySelectsTheClosestDamageableCraftAhead) {
  other.pose.position = {-5.0f, 0.0f, 0.0f};  // behind
  Identity& far = scene.addIdentity("FAR", {90.0f, 10.0f, 0.0f});
  Identity& near = scene.addIdentity("NEAR", {40.0f, -20.0f, 5.0f});
  scene.addIdentity("ROCK", {10.0f, 0.0f, 0.0f});
  giveDamage(far, 10);
  giveDamage(near, 10);
  EXPECT_EQ(press(kNearest), &near);
}

TEST_F(Targets, DestroyedTargetIsDroppedAtTheNextFrame) {
  player.target = &other;
  frame();
  EXPECT_EQ(player.target, &other);
  giveDamage(other, 10).destroyed = 1;
  frame();
  EXPECT_EQ(player.target, nullptr);
}

}  // namespace
}  // namespace vev::test
