#include <gtest/gtest.h>

#include "tests/demo/demo_flight.h"

// Every control of the About help text, on the player's craft of the demonstration.
namespace vev::demo {
namespace {

// How far a jet's flame reaches from its base to its tip, from the polygons built this frame.
float flameLength(const Identity& craft, const SceneNode& jet) {
  float nearest = 1e9f;
  float farthest = -1e9f;
  for (const Polygon& polygon : craft.polygons) {
    if (polygon.owner != &jet) continue;
    for (const PolygonVertex& vertex : polygon.vertices) {
      const float along = dot(vertex.position, jet.pose->tangent);
      nearest = std::fmin(nearest, along);
      farthest = std::fmax(farthest, along);
    }
  }
  return farthest - nearest;
}

// Where a channel stands between its end stops, 0 to 1, as the thrust bar shows it.
float channelFraction(const ControlChannel& channel) {
  return std::fabs(channel.roomDown / (channel.roomUp - channel.roomDown));
}

using PlayerControls = DemoFlight;

TEST_F(PlayerControls, ThrustUpRaisesSpeedFlamesAndTheThrustBarAndThrustDownTakesThemBack) {
  SceneNode* engine = playerPart("left engine");
  SceneNode* bar = playerPart("thrust bar");
  ASSERT_TRUE(engine && bar);
  EXPECT_EQ(speed(*player()), 0.0f);

  press(kT, 25);
  frames(1);  // the flame is rebuilt from the throttle the controls left
  ASSERT_TRUE(engine->throttle);
  EXPECT_NEAR(engine->throttle->level, 0.5f, 0.01f);
  EXPECT_NEAR(flameLength(*player(), *engine), 5.0f * 0.5f, 0.05f);
  EXPECT_NEAR(channelFraction(bar->body->translation[0]), engine->throttle->level, 0.02f);
  const float early = speed(*player());
  EXPECT_GT(early, 0.0f);
  frames(25);
  EXPECT_GT(speed(*player()), early) << "the engines keep pushing at half throttle";

  press(kT, 40);
  EXPECT_FLOAT_EQ(engine->throttle->level, 1.0f) << "the throttle stops at full";
  press(kB, 60);
  frames(1);
  EXPECT_FLOAT_EQ(engine->throttle->level, 0.0f);
  EXPECT_LT(flameLength(*player(), *engine), 0.01f) << "at idle the flame is a disc";
  EXPECT_NEAR(channelFraction(bar->body->translation[0]), 0.0f, 1e-6f);
  const float coasting = speed(*player());
  frames(25);
  EXPECT_LT(speed(*player()), coasting) << "without thrust the damping slows the craft";
}

TEST_F(PlayerControls, WingGeometrySweepsBothWingsToTheirStopsAndBack) {
  SceneNode* left = playerPart("left wing");
  SceneNode* right = playerPart("right wing");
  SceneNode* leftPod = playerPart("left gun pod");
  ASSERT_TRUE(left && right && leftPod && playerPart("right gun pod"));
  const Vec3& forward = player()->pose.tangent;
  const float podX = leftPod->pose->position[0];

  press(kQ);
  frames(60);
  EXPECT_NEAR(angleBetween(left->pose->tangent, forward), 30.0f, 0.1f);
  EXPECT_NEAR(angleBetween(right->pose->tangent, forward), 30.0f, 0.1f);
  EXPECT_LT(leftPod->pose->position[0], podX - 1.5f) << "the wingtips swing back";
  const Vec3& rightPod = playerPart("right gun pod")->pose->position;
  EXPECT_NEAR(leftPod->pose->position[0], rightPod[0], 1e-3f) << "the sweep is symmetric";
  EXPECT_NEAR(leftPod->pose->position[2], -rightPod[2], 1e-3f);

  press(kQ);
  frames(60);
  EXPECT_NEAR(angleBetween(left->pose->tangent, forward), 0.0f, 0.1f);
  EXPECT_NEAR(angleBetween(right->pose->tangent, forward), 0.0f, 0.1f);
  EXPECT_NEAR(leftPod->pose->position[0], podX, 1e-3f);
}

// Each shot starts one step ahead of a cannon's muzzle, along its barrel, and flies one step in the
// dynamics of the step that fired it.
bool firedBy(const Identity& shot, const SceneNode& cannon, float step) {
  const Vec3 expected = cannon.pose->position + 2.0f * step * cannon.pose->tangent;
  return length(shot.pose.position - expected) < 0.01f;
}

TEST_F(PlayerControls, SpaceAndShiftEachFireThePairOfWingtipLasersBoundToThem) {
  const float step = 500.0f * 0.04f;
  for (const KeyCode key : {kSpace, kShift}) {
    const std::string suffix = key == kSpace ? " laser on space" : " laser on shift";
    SceneNode* left = playerPart("left" + suffix);
    SceneNode* right = playerPart("right" + suffix);
    ASSERT_TRUE(left && right);
    const std::size_t before = shots().size();
    press(key);
    const std::vector<Identity*> fired = shots();
    ASSERT_EQ(fired.size(), before + 2) << "one shot from each wingtip";
    int fromLeft = 0;
    int fromRight = 0;
    for (const Identity* shot : fired) {
      fromLeft += firedBy(*shot, *left, step);
      fromRight += firedBy(*shot, *right, step);
    }
    EXPECT_EQ(fromLeft, 1);
    EXPECT_EQ(fromRight, 1);
    EXPECT_GT(std::fabs(left->pose->position[2]), 4.5f) << "the cannons sit on the wingtips";
  }
  frames(10);
  for (const Identity* shot : shots()) {
    // CETI 1 waits 60 m ahead, where the converging shots burst on it.
    EXPECT_GT(shot->pose.position[0], 55.0f) << "the shots fly ahead at their speed";
  }
}

TEST_F(PlayerControls, HoldingFireGivesPulsesNotAShotEveryFrame) {
  hold(kSpace);
  frames(30);
  const std::size_t fired = shots().size();
  EXPECT_GE(fired, 12u);
  EXPECT_LE(fired, 30u) << "each cannon waits between pulses";
}

// Both fire keys held for 24 s, ten times the life of a shot: every shot leaves in the step after
// it is spent, so none flies more than a step past its range and their number stays bounded. The
// four cannons fire four shots every three frames at 500 m/s for 900 m: 46 frames of flight, or
// fewer and then at most 14 of explosion.
TEST_F(PlayerControls, BothFireKeysHeldKeepTheShotsInFlightBounded) {
  constexpr std::size_t kMostShots = 4 * (46 + 14) / 3;
  hold(kSpace);
  hold(kShift);
  std::size_t most = 0;
  for (int frame = 1; frame <= 600; ++frame) {
    frames(1);
    const std::vector<Identity*> flying = shots();
    most = std::max(most, flying.size());
    ASSERT_LE(flying.size(), kMostShots) << "frame " << frame;
    for (const Identity* shot : flying) {
      ASSERT_TRUE(shot->shotOrigin);
      ASSERT_LT(length(shot->pose.position - shot->shotOrigin->origin),
                shot->shotOrigin->range + 500.0f * 0.04f)
          << "frame " << frame;
    }
  }
  EXPECT_GT(most, kMostShots / 2) << "the cannons kept firing";
}

TEST_F(PlayerControls, TargetKeysStepThroughTheCraftAndBack) {
  const auto tap = [this](KeyCode key) {
    press(key);
    frames(1);
    return player()->target;
  };
  EXPECT_EQ(player()->target, nullptr);
  Identity* first = tap(kS);
  ASSERT_NE(first, nullptr);
  Identity* second = tap(kS);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first) << "S selects the next target";
  EXPECT_EQ(tap(kA), first) << "A selects the previous one";
  for (int i = 0; i < 12; ++i) {
    const Identity* target = tap(kS);
    ASSERT_NE(target, nullptr);
    EXPECT_TRUE(target != player() && target != surroundings() && !isShot(*target));
  }
}

TEST_F(PlayerControls, ZAndXAlignTheWingtipLasersInwardAndOutwardToTheirStops) {
  SceneNode* left = playerPart("left laser on space");
  SceneNode* right = playerPart("right laser on space");
  ASSERT_TRUE(left && right);
  // Toed in so that their shots cross about 150 m ahead: 4.95 m over 150 m.
  constexpr float kToeIn = 1.89f;
  EXPECT_NEAR(angleBetween(left->pose->tangent, player()->pose.tangent), kToeIn, 0.01f);
  press(kZ, 30);
  // Further in: the left cannon (at -z) turns toward +z, the right one toward -z.
  EXPECT_GT(left->pose->tangent[2], 0.0f);
  EXPECT_LT(right->pose->tangent[2], 0.0f);
  EXPECT_NEAR(angleBetween(left->pose->tangent, player()->pose.tangent), 8.0f + kToeIn, 0.1f);
  EXPECT_NEAR(angleBetween(right->pose->tangent, player()->pose.tangent), 8.0f + kToeIn, 0.1f);
  EXPECT_EQ(playerPart("left laser on shift")->pose->tangent, left->pose->tangent)
      << "both cannons of a pod turn together";

  press(kX, 60);
  EXPECT_LT(left->pose->tangent[2], 0.0f);
  EXPECT_GT(right->pose->tangent[2], 0.0f);
  EXPECT_NEAR(angleBetween(left->pose->tangent, player()->pose.tangent), 8.0f - kToeIn, 0.1f);
  EXPECT_NEAR(angleBetween(right->pose->tangent, player()->pose.tangent), 8.0f - kToeIn, 0.1f);
}

// A tenth of a second on each turn key moves the nose or the wings the way the key says.
TEST_F(PlayerControls, ArrowsPitchAndYawAndDeleteAndPageDownRoll) {
  const Pose start = player()->pose;
  const auto noseUp = [this] { return std::asin(player()->pose.tangent[1]) * kDegreesPerRadian; };
  press(kUp, 10);
  EXPECT_NEAR(noseUp(), 22.0f, 0.1f) << "Up lifts the nose at 55 deg/s";
  press(kDown, 10);
  EXPECT_NEAR(noseUp(), 0.0f, 0.1f);

  press(kLeft, 10);
  EXPECT_LT(player()->pose.tangent[2], -0.2f) << "Left turns the nose toward -z, the left";
  press(kRight, 20);
  EXPECT_GT(player()->pose.tangent[2], 0.2f);
  press(kLeft, 10);
  EXPECT_NEAR(angleBetween(player()->pose.tangent, start.tangent), 0.0f, 0.5f);

  press(kDelete, 10);
  EXPECT_LT(player()->pose.normal[2], -0.5f) << "Delete rolls to the left at 90 deg/s";
  press(kPageDown, 20);
  EXPECT_GT(player()->pose.normal[2], 0.5f) << "Page Down rolls to the right";
}

}  // namespace
}  // namespace vev::demo
