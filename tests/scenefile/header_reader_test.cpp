#include "scenefile/header_reader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/scenefile/scene_test_support.h"

namespace vev {
namespace {

using testing::RecordedAssets;
using testing::TextFile;

class IdentityHeader : public ::testing::Test {
 protected:
  Identity& read(const std::string& text, const std::string& directory = "") {
    TextFile file(text);
    SceneReader reader(file.get(), "header.zsf");
    SectionInput input{reader, directory, recorded.assets};
    return readIdentityHeader(input, scene);
  }

  RecordedAssets recorded;
  std::unique_ptr<Identity> scene;
};

TEST_F(IdentityHeader, PivotIsTakenIntoWorldCoordinates) {
  const Identity& identity = read("pos=10 0 0\npivot=1 2 3\n*");
  EXPECT_EQ(identity.body.pivot, (Vec3{11, 2, 3}));
}

TEST_F(IdentityHeader, PivotFollowsTheAxesAsRead) {
  const Identity& identity = read("pos=0 0 5\ntang=0 1 0\nnorm=-1 0 0\npivot=1 2 3\n*");
  EXPECT_EQ(identity.pose.binormal, (Vec3{0, 0, 1}));
  EXPECT_EQ(identity.body.pivot, (Vec3{-2, 1, 8}));
}

TEST_F(IdentityHeader, WithoutPivotThePivotIsThePosition) {
  const Identity& identity = read("pos=4 5 6\n*");
  EXPECT_EQ(identity.body.pivot, (Vec3{4, 5, 6}));
}

TEST_F(IdentityHeader, DamageValuesInFileOrder) {
  const Identity& wreck = read("damage=100 0 0 0 1 0\n*");
  ASSERT_TRUE(wreck.damage);
  EXPECT_EQ(wreck.damage->strength, 100);
  EXPECT_EQ(wreck.damage->removal, 1);
  EXPECT_EQ(wreck.damage->triggerKey, 0);

  const Identity& ordered = read("damage=1 2 3 4 5 6\n*");
  EXPECT_EQ(ordered.damage->strength, 1);
  EXPECT_EQ(ordered.damage->power, 2);
  EXPECT_EQ(ordered.damage->taken, 3);
  EXPECT_EQ(ordered.damage->destroyed, 4);
  EXPECT_EQ(ordered.damage->removal, 5);
  EXPECT_EQ(ordered.damage->triggerKey, 6);
}

TEST_F(IdentityHeader, DamageTriggerOutsideTheKeyTableIsNoKeyAndStrengthSaturates) {
  const Identity& identity = read("damage=70000 0 0 3000000000 0 400\n*");
  EXPECT_EQ(identity.damage->strength, 32767);
  EXPECT_EQ(identity.damage->destroyed, 2147483647);
  EXPECT_EQ(identity.damage->triggerKey, 0);
}

TEST_F(IdentityHeader, AeroMatricesRowByRow) {
  const Identity& identity = read("cmm=1 2 3 4 5 6 7 8 9\n*");
  ASSERT_TRUE(identity.aero);
  EXPECT_EQ(identity.aero->cmm, (std::array<float, 9>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(identity.aero->cvv, (std::array<float, 9>{}));
  EXPECT_FALSE(read("name=plain\n*").aero);
}

TEST_F(IdentityHeader, CraftLevelControls) {
  const Identity& identity = read(
      "name=Falcon\ncontrolrx=38 40 45 -1000 1000 1\njoykeys=40 38 37 39\n"
      "changetarget=33 34\ncontrolox=1 2 3 4 5 0\n*");
  EXPECT_EQ(identity.name, "Falcon");
  const ControlChannel& pitch = identity.body.rotation[0];
  EXPECT_EQ(pitch.increaseKey, 38);
  EXPECT_EQ(pitch.decreaseKey, 40);
  EXPECT_FLOAT_EQ(pitch.rate, 45.0f);
  EXPECT_FLOAT_EQ(pitch.roomDown, -1000.0f);
  EXPECT_FLOAT_EQ(pitch.roomUp, 1000.0f);
  EXPECT_EQ(pitch.unlimited, 1);
  EXPECT_EQ(identity.body.joyKeys, (std::array<KeyCode, 4>{40, 38, 37, 39}));
  EXPECT_EQ(identity.body.previousTargetKey, 33);
  EXPECT_EQ(identity.body.nextTargetKey, 34);
  EXPECT_EQ(identity.body.spin[0].increaseKey, 1);
}

TEST_F(IdentityHeader, SoundUsesTheSceneDirectory) {
  const Identity& identity = read("soundrange=500\nsound=boom.wav\n*", "sw\\");
  ASSERT_TRUE(identity.sound);
  EXPECT_EQ(identity.sound->path, "sw\\boom.wav");
  EXPECT_FLOAT_EQ(identity.sound->range, 500.0f);
  EXPECT_EQ(recorded.loadedSamples, std::vector<std::string>{"sw/boom.wav"});
}

TEST_F(IdentityHeader, KeywordsOfSectionsAreSkipped) {
  const Identity& identity =
      read("dif=1 1 1 1\nchilds=3\ncontrolsound=1 2\ncolision=0\nname=kept\n*");
  EXPECT_EQ(identity.name, "kept");
  EXPECT_EQ(identity.body.playKey, 0);
  EXPECT_EQ(identity.pose.collision, 0);
  EXPECT_EQ(identity.nodes, nullptr);
}

TEST_F(IdentityHeader, AppendsAfterTheLastIdentity) {
  Identity& first = read("name=one\n*");
  Identity& second = read("name=two\n*");
  EXPECT_EQ(scene.get(), &first);
  EXPECT_EQ(first.next.get(), &second);
  EXPECT_EQ(second.name, "two");
}

}  // namespace
}  // namespace vev
