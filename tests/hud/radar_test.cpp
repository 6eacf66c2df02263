#include "hud/radar.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/hud/hud_scene.h"

namespace vev::test {
namespace {

constexpr float kForward = 1.0f;
constexpr float kRear = -1.0f;
constexpr float kWorld = 0.0f;

// Degrees off the radar's axis of a contact `ahead` along it and `aside` across it.
float azimuthOf(float ahead, float aside) {
  return std::atan2(aside, ahead) * 180.0f / static_cast<float>(M_PI);
}

// A radar centred at (0.5, -0.5), 0.1 across and 0.2 up, over a craft at the origin.
class Radar : public ::testing::Test {
 protected:
  SceneNode& radar(float facing) {
    SceneNode& node = hud.addItem("RADAR", {0.5f, -0.5f, 0.1f, 0.2f});
    node.vertices.push_back({facing, 0.0f, 0.0f});
    return node;
  }
  std::vector<RadarContact> contacts(const SceneNode& node) {
    return radarContacts(node, hud.scene.get(), hud.controlled);
  }

  HudScene hud;
};

TEST_F(Radar, ContactAheadIsAtTheCentreAndOneAsideIsOffset) {
  const SceneNode& forward = radar(kForward);
  hud.addIdentity("ahead", {100.0f, 0.0f, 0.0f});
  auto found = contacts(forward);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_FLOAT_EQ(found[0].h, 0.5f);
  EXPECT_FLOAT_EQ(found[0].v, -0.5f);
  EXPECT_FALSE(found[0].target);

  // 45 degrees to the right and raised: azimuth 45, elevation atan(0.5 tan 30).
  const float up = std::tan(30.0f * static_cast<float>(M_PI) / 180.0f) * std::sqrt(2.0f);
  hud.addIdentity("aside", {10.0f, 10.0f * up, 10.0f});
  found = contacts(forward);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_NEAR(found[1].h, 0.5f + 2.0f * 0.1f * 0.5f, 1e-4f);
  const float elevation = std::atan(0.5f * std::tan(30.0f * static_cast<float>(M_PI) / 180.0f));
  EXPECT_NEAR(found[1].v, -0.5f + 2.0f * 0.2f * elevation * 180.0f / M_PI / 90.0f, 1e-4f);
  hud.addIdentity("left", {10.0f, 0.0f, -10.0f});
  EXPECT_NEAR(contacts(forward)[2].h, 0.5f - 0.1f, 1e-4f);
}

TEST_F(Radar, SkipsShotsDestroyedCraftAndWhatIsBehindOrOverhead) {
  const SceneNode& forward = radar(kForward);
  hud.addIdentity("AMMO", {50.0f, 0.0f, 0.0f});
  Identity& wreck = hud.addIdentity("wreck", {50.0f, 1.0f, 0.0f});
  wreck.damage = std::make_unique<DamageState>();
  wreck.damage->destroyed = 1;
  hud.addIdentity("behind", {-50.0f, 0.0f, 1.0f});
  hud.addIdentity("overhead", {0.0f, 50.0f, 0.0f});
  hud.addIdentity("alongside", {0.0f, 0.0f, 0.0f});
  hud.addIdentity("forward of abeam", {10.0f, 0.0f, 50.0f});
  hud.addIdentity("aft of abeam", {-10.0f, 0.0f, 50.0f});
  const auto found = contacts(forward);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NEAR(found[0].h, 0.5f + 0.2f * azimuthOf(10.0f, 50.0f) / 90.0f, 1e-4f);
}

TEST_F(Radar, TheTargetIsMarked) {
  const SceneNode& forward = radar(kForward);
  hud.addIdentity("one", {50.0f, 0.0f, 1.0f});
  hud.controlled.target = &hud.addIdentity("two", {50.0f, 0.0f, -1.0f});
  const auto found = contacts(forward);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_FALSE(found[0].target);
  EXPECT_TRUE(found[1].target);
}

TEST_F(Radar, RearRadarLooksBackAndWorldRadarIgnoresTheCraftsAxes) {
  const SceneNode& rear = radar(kRear);
  const SceneNode& world = radar(kWorld);
  // The craft looks along world +z, so its right is world -x.
  Pose& pose = hud.controlled.pose;
  pose.tangent = {0.0f, 0.0f, 1.0f};
  pose.binormal = {-1.0f, 0.0f, 0.0f};
  hud.addIdentity("behind, to its left", {10.0f, 0.0f, -50.0f});
  hud.addIdentity("to its left, a little ahead", {50.0f, 0.0f, 10.0f});

  auto found = contacts(rear);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NEAR(found[0].h, 0.5f + 0.2f * azimuthOf(50.0f, 10.0f) / 90.0f, 1e-4f)
      << "looking back, the craft's left is on the right";

  found = contacts(world);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_NEAR(found[0].h, 0.5f - 0.2f * azimuthOf(10.0f, 50.0f) / 90.0f, 1e-4f);
  EXPECT_NEAR(found[1].h, 0.5f + 0.2f * azimuthOf(50.0f, 10.0f) / 90.0f, 1e-4f);
  EXPECT_NEAR(found[1].v, -0.5f, 1e-5f);
}

TEST_F(Radar, ShowsNothingWithoutVertices) {
  const SceneNode& bare = hud.addItem("RADAR", {0.5f, -0.5f, 0.1f, 0.2f});
  hud.addIdentity("ahead", {100.0f, 0.0f, 0.0f});
  EXPECT_TRUE(contacts(bare).empty());
}

}  // namespace
}  // namespace vev::test
