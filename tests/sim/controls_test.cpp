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
  static constexpr KeyCode kPrevious = 65, kNext = 83;
  void SetUp() override {
    Controls::SetUp();
    player.body.previousTargetKey = kPrevious;
    player.body.nextTargetKey = kNext;
  }
  Identity* press(KeyCode key) {
    scene.model.keyState[key] = 1;
    frame();
    scene.model.keyState[key] = 0;
    return player.target;
  }
};

TEST_F(Targets, CyclingSkipsShotsAndDestroyedIdentitiesAndWraps) {
  Identity& shot = scene.addIdentity("AMMO");
  Identity& wreck = scene.addIdentity("WRECK");
  giveDamage(wreck, 10).destroyed = 1;
  Identity& last = scene.addIdentity("LAST");
  EXPECT_EQ(press(kNext), &player);
  EXPECT_EQ(press(kNext), &other);
  EXPECT_EQ(press(kNext), &last);
  EXPECT_EQ(press(kNext), &player);
  EXPECT_EQ(press(kPrevious), &last);
  EXPECT_EQ(press(kPrevious), &other);
  EXPECT_NE(player.target, &shot);
}

TEST_F(Targets, CraftItselfIsTheTargetWhenNothingElseIsEligible) {
  other.name = "AMMO";
  giveDamage(scene.addIdentity("WRECK"), 10).destroyed = 1;
  EXPECT_EQ(press(kNext), &player);
  EXPECT_EQ(press(kNext), nullptr);  // the search came back to where it started
  EXPECT_EQ(press(kPrevious), &player);
}

TEST_F(Targets, SearchEndsWhenNoIdentityIsEligible) {
  EXPECT_EQ(nextTarget(nullptr, nullptr), nullptr);
  other.name = "AMMO";
  player.name = "AMMO";
  EXPECT_EQ(nextTarget(nullptr, scene.model.scene.get()), nullptr);
  EXPECT_EQ(previousTarget(&other, scene.model.scene.get()), nullptr);
}

TEST_F(Targets, HeldKeyStepsOncePerFrame) {
  scene.addIdentity("THIRD");
  scene.model.keyState[kNext] = 1;
  frame();
  frame();
  EXPECT_EQ(player.target, &other);
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
