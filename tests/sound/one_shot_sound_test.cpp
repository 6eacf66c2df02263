#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/sound/sound_scene_fixture.h"

namespace vev {
namespace {

using OneShotSoundTest = SoundSceneTest;

TEST_F(OneShotSoundTest, VolumeFallsLinearlyWithDistanceAndNothingStartsAtTheRange) {
  struct Case {
    float distance;
    bool starts;
    int volume;
  };
  // Out of range a fresh emitter has no channel yet to set a volume on.
  for (const Case& c : {Case{0.0f, true, 255}, Case{50.0f, true, 127}, Case{kRange, false, -1},
                        Case{kRange * 3, false, -1}}) {
    SCOPED_TRACE(c.distance);
    calls.played.clear();
    calls.volumes.clear();
    Identity& craft = identityAt({c.distance, 0.0f, 0.0f});
    craft.sound = sound("boom.wav");
    craft.sound->playRequests = 1;
    frames(1);
    EXPECT_EQ(calls.played.size(), c.starts ? 1u : 0u);
    EXPECT_EQ(lastVolume(), c.volume);
    EXPECT_EQ(craft.sound->playRequests, 0) << "an unheard request still counts as served";
    scene.reset();
  }
}

TEST_F(OneShotSoundTest, TheListenerIsWhereverItsPoseIs) {
  Identity& craft = identityAt({500.0f, 0.0f, 0.0f});
  craft.sound = sound("boom.wav");
  craft.sound->playRequests = 1;
  listener.position = {500.0f, 0.0f, 75.0f};
  frames(1);
  EXPECT_EQ(lastVolume(), 63);
  EXPECT_EQ(registry.entries().at(0).gain, 0.25f);
}

TEST_F(OneShotSoundTest, RequestsAreServedOnePerFrame) {
  Identity& craft = identityAt({0.0f, 0.0f, 0.0f});
  craft.sound = sound("boom.wav");
  craft.sound->playRequests = 3;
  for (std::size_t frame = 1; frame <= 3; ++frame) {
    frames(1);
    EXPECT_EQ(calls.played.size(), frame);
  }
  frames(2);
  EXPECT_EQ(calls.played, (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(calls.loopModes, (std::vector<std::pair<int, bool>>(3, {1, false})));
  EXPECT_EQ(craft.sound->playRequests, 0);
}

TEST_F(OneShotSoundTest, KeyDrivenAndExplosionSoundsPlayAtTheirNodes) {
  Identity& craft = identityAt({0.0f, 0.0f, 0.0f});
  SceneNode& horn = nodeAt(craft, "QUAD", {0.0f, 0.0f, 0.0f});
  horn.body = std::make_unique<BodyState>();
  horn.body->sound = sound("horn.wav");
  horn.body->sound->playRequests = 1;
  SceneNode& blast = nodeAt(craft, "EXPLOSION", {0.0f, 50.0f, 0.0f});
  blast.sound = sound("blast.wav");
  blast.sound->playRequests = 1;
  frames(1);
  EXPECT_EQ(calls.played, (std::vector<int>{1, 2}));
  EXPECT_EQ(calls.volumes, (std::vector<std::pair<int, int>>{{1, 255}, {2, 127}}));
}

TEST_F(OneShotSoundTest, WithSoundOffOwnRequestsWaitAndNodeRequestsAreUsedUp) {
  Identity& craft = identityAt({0.0f, 0.0f, 0.0f});
  craft.sound = sound("boom.wav");
  craft.sound->playRequests = 1;
  SceneNode& horn = nodeAt(craft, "QUAD", {0.0f, 0.0f, 0.0f});
  horn.body = std::make_unique<BodyState>();
  horn.body->sound = sound("horn.wav");
  horn.body->sound->playRequests = 2;
  mix.enabled = false;
  frames(2);
  EXPECT_TRUE(calls.played.empty());
  EXPECT_EQ(craft.sound->playRequests, 1);
  EXPECT_EQ(horn.body->sound->playRequests, 0);
  mix.enabled = true;
  frames(1);
  EXPECT_EQ(calls.played, std::vector<int>{1});
  EXPECT_EQ(craft.sound->playRequests, 0);
}

TEST_F(OneShotSoundTest, AShotPlaysItsCannonsSoundWhereTheShotIs) {
  Identity& shooter = identityAt({0.0f, 0.0f, 0.0f});
  SceneNode& gun = nodeAt(shooter, "LASERCANNON", {0.0f, 0.0f, 0.0f});
  gun.sound = sound("hit.wav");
  Identity& shot = identityAt({80.0f, 0.0f, 0.0f});
  shot.sound = gun.sound;
  shot.sound->playRequests = 1;
  frames(1);
  EXPECT_EQ(calls.played, std::vector<int>{1});
  EXPECT_EQ(lastVolume(), 51);
}

TEST_F(OneShotSoundTest, AnEmitterWithoutARangeOrWithoutAnEntryIsSilent) {
  Identity& craft = identityAt({0.0f, 0.0f, 0.0f});
  craft.sound = sound("boom.wav", 0.0f);
  craft.sound->playRequests = 1;
  Identity& odd = identityAt({0.0f, 0.0f, 0.0f});
  odd.sound = sound("odd.wav", -10.0f);
  odd.sound->playRequests = 1;
  Identity& lost = identityAt({0.0f, 0.0f, 0.0f});
  lost.sound = std::make_shared<SoundRef>();
  lost.sound->entry = 42;
  lost.sound->range = kRange;
  lost.sound->playRequests = 1;
  frames(1);
  EXPECT_TRUE(calls.played.empty());
  EXPECT_TRUE(calls.volumes.empty()) << "no channel was ever started";
  EXPECT_EQ(lost.sound->playRequests, 0);
}

}  // namespace
}  // namespace vev
