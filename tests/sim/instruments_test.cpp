#include <gtest/gtest.h>

#include <cmath>

#include "sim/instruments.h"
#include "tests/sim/sim_scene.h"

namespace vev::test {
namespace {

class Instruments : public ::testing::Test {
 protected:
  SimScene scene;
  Identity& craft = scene.addIdentity("CRAFT");
  Identity& target = scene.addIdentity("TARGET");

  void pointNose(const Vec3& tangent, const Vec3& normal) {
    craft.pose.tangent = tangent;
    craft.pose.normal = normal;
    craft.pose.binormal = cross(tangent, normal);
    updateInstruments(craft);
  }
  void aimAt(const Vec3& position) {
    target.pose.position = position;
    craft.target = &target;
    updateInstruments(craft);
  }
};

TEST_F(Instruments, HeadingRunsFromWorldXThroughZ) {
  pointNose({1, 0, 0}, {0, 1, 0});
  EXPECT_NEAR(craft.pose.heading, 0.0f, 1e-4f);
  pointNose({0, 0, 1}, {0, 1, 0});
  EXPECT_NEAR(craft.pose.heading, 90.0f, 1e-4f);
  pointNose({0, 0, -1}, {0, 1, 0});
  EXPECT_NEAR(craft.pose.heading, 270.0f, 1e-4f);
  pointNose({-1, 0, 0}, {0, 1, 0});
  EXPECT_NEAR(craft.pose.heading, 180.0f, 1e-3f);  // the degree constant is not exactly 180/pi
}

TEST_F(Instruments, VerticalNoseKeepsTheLastHeadingAndReadsNinetyInclination) {
  pointNose({0, 0, 1}, {0, 1, 0});
  EXPECT_NEAR(craft.pose.inclination, 0.0f, 1e-4f);
  pointNose({0, 1, 0}, {-1, 0, 0});
  EXPECT_NEAR(craft.pose.heading, 90.0f, 1e-4f);
  EXPECT_NEAR(craft.pose.inclination, 90.0f, 1e-4f);
  const float half = std::sqrt(0.5f);
  pointNose({half, -half, 0}, {half, half, 0});
  EXPECT_NEAR(craft.pose.inclination, -45.0f, 1e-3f);
}

TEST_F(Instruments, TargetAheadAsideAndBehind) {
  aimAt({10, 0, 0});
  EXPECT_NEAR(craft.pose.targetRange, 10.0f, 1e-5f);
  EXPECT_NEAR(craft.pose.targetAzimuth, 0.0f, 1e-3f);
  EXPECT_NEAR(craft.pose.targetElevation, 0.0f, 1e-3f);
  aimAt({0, 0, -10});
  EXPECT_NEAR(craft.pose.targetAzimuth, -90.0f, 1e-3f);
  aimAt({-10, 10, 0});
  EXPECT_NEAR(craft.pose.targetRange, std::sqrt(200.0f), 1e-4f);
  EXPECT_NEAR(craft.pose.targetAzimuth, 180.0f, 1e-3f);
  EXPECT_NEAR(craft.pose.targetElevation, 135.0f, 1e-3f);
  aimAt({-10, -10, 0});
  EXPECT_NEAR(craft.pose.targetElevation, -135.0f, 1e-3f);
}

TEST_F(Instruments, TargetStraightAboveOrOnTheCraftKeepsItsAngles) {
  aimAt({10, 10, 10});
  const float azimuth = craft.pose.targetAzimuth;
  const float elevation = craft.pose.targetElevation;
  aimAt({0, 5, 0});
  EXPECT_FLOAT_EQ(craft.pose.targetRange, 5.0f);
  aimAt({0, 0, 0});
  EXPECT_EQ(craft.pose.targetRange, 0.0f);
  EXPECT_EQ(craft.pose.targetAzimuth, azimuth);
  EXPECT_EQ(craft.pose.targetElevation, elevation);
}

}  // namespace
}  // namespace vev::test
