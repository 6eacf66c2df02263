#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/sound/sound_scene_fixture.h"

namespace vev {
namespace {

constexpr int kBaseRate = RecordingSoundLibrary::kSampleRate;

using JetSoundTest = SoundSceneTest;

TEST_F(JetSoundTest, AJetBesideTheListenerLoopsAtAQuarterIdleAndHalfAtFullThrottle) {
  Identity& craft = identityAt({0.0f, 0.0f, 0.0f});
  SceneNode& jet = jetAt(craft, {0.0f, 0.0f, 0.0f}, 0.0f);
  frames(1);
  EXPECT_EQ(calls.loopModes, (std::vector<std::pair<int, bool>>{{1, true}}));
  EXPECT_EQ(calls.played, std::vector<int>{1});
  EXPECT_EQ(lastVolume(), 63);
  jet.throttle->level = 1.0f;
  frames(1);
  EXPECT_EQ(lastVolume(), 127);
  EXPECT_EQ(calls.played.size(), 1u) << "the loop is started once";
  EXPECT_EQ(registry.entries().at(0).looping, 1);
}

TEST_F(JetSoundTest, PitchChangesOnlyWithTheLevelAndReachesRootTenAtFullThrottle) {
  Identity& craft = identityAt({0.0f, 0.0f, 0.0f});
  SceneNode& jet = jetAt(craft, {0.0f, 0.0f, 0.0f}, 0.0f);
  frames(3);
  EXPECT_TRUE(calls.frequencySets.empty());
  jet.throttle->level = 1.0f;
  frames(3);
  ASSERT_EQ(calls.frequencySets.size(), 1u);
  EXPECT_NEAR(calls.frequencies[1], kBaseRate * std::sqrt(10.0), 1.0);
  jet.throttle->level = 0.0f;
  frames(1);
  EXPECT_NEAR(calls.frequencies[1], kBaseRate, 1.0);
}

TEST_F(JetSoundTest, AJetWithoutAThrottleIdles) {
  Identity& craft = identityAt({0.0f, 0.0f, 0.0f});
  SceneNode& jet = nodeAt(craft, "JET", {0.0f, 0.0f, 0.0f});
  jet.sound = sound("jet.wav");
  frames(1);
  ASSERT_TRUE(jet.throttle);
  EXPECT_EQ(jet.throttle->level, 0.0f);
  EXPECT_EQ(lastVolume(), 63);
}

TEST_F(JetSoundTest, AJetOutOfEarshotIsNotStartedAndANegativeGainReachesTheLibraryAsZero) {
  Identity& craft = identityAt({0.0f, 0.0f, 0.0f});
  SceneNode& jet = jetAt(craft, {90.0f, 0.0f, 0.0f}, 0.0f);
  frames(1);
  EXPECT_TRUE(calls.played.empty()) << "at 90 m an idling jet's gain is below 0";
  EXPECT_LT(registry.entries().at(0).gain, 0.0f);
  jet.pose->position = {0.0f, 0.0f, 0.0f};
  frames(1);
  jet.pose->position = {90.0f, 0.0f, 0.0f};
  frames(1);
  ASSERT_EQ(calls.played.size(), 1u);
  EXPECT_EQ(calls.volumes.back(), (std::pair<int, int>{1, 0}));
  for (const auto& [channel, volume] : calls.volumes) EXPECT_GE(volume, 0);
}

TEST_F(JetSoundTest, AStoppedLoopIsNotStartedAgain) {
  Identity& craft = identityAt({0.0f, 0.0f, 0.0f});
  SceneNode& jet = jetAt(craft, {0.0f, 0.0f, 0.0f}, 1.0f);
  frames(1);
  jet.active = 0;
  frames(1);
  EXPECT_EQ(calls.stopped, std::vector<int>{1});
  jet.active = 1;
  frames(3);
  EXPECT_EQ(calls.played.size(), 1u);
  EXPECT_EQ(calls.stopped.size(), 1u);
}

TEST_F(JetSoundTest, ADestroyedIdentitysEnginesStopAndAWrecksNeverStart) {
  Identity& craft = identityAt({0.0f, 0.0f, 0.0f});
  jetAt(craft, {0.0f, 0.0f, 0.0f}, 1.0f);
  Identity& wreck = identityAt({0.0f, 0.0f, 0.0f});
  jetAt(wreck, {0.0f, 0.0f, 0.0f}, 1.0f);
  wreck.alive = 0;
  frames(1);
  EXPECT_EQ(calls.played, std::vector<int>{1});
  craft.alive = 0;
  frames(1);
  EXPECT_EQ(std::count(calls.stopped.begin(), calls.stopped.end(), 1), 1);
  EXPECT_EQ(calls.played.size(), 1u);
  EXPECT_EQ(registry.entries().at(1).looping, 0);
}

TEST_F(JetSoundTest, AnInactiveJetStartsOnceItIsActive) {
  Identity& craft = identityAt({0.0f, 0.0f, 0.0f});
  SceneNode& jet = jetAt(craft, {0.0f, 0.0f, 0.0f}, 0.0f);
  jet.active = 0;
  frames(2);
  EXPECT_TRUE(calls.played.empty());
  jet.active = 1;
  frames(1);
  EXPECT_EQ(calls.played.size(), 1u);
}

TEST_F(JetSoundTest, ALoopStartedAfterTheThrottleMovedPlaysAtTheThrottlesPitch) {
  Identity& craft = identityAt({0.0f, 0.0f, 0.0f});
  jetAt(craft, {0.0f, 0.0f, 0.0f}, 1.0f);
  mix.enabled = false;
  frames(2);
  EXPECT_TRUE(calls.played.empty());
  mix.enabled = true;
  frames(2);
  ASSERT_EQ(calls.played.size(), 1u);
  EXPECT_NEAR(calls.frequencies[1], kBaseRate * std::sqrt(10.0), 1.0);
}

}  // namespace
}  // namespace vev
