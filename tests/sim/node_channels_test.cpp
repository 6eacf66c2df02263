#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "sim/node_control.h"
#include "sim/node_subtree.h"
#include "tests/sim/sim_scene.h"

namespace vev::test {
namespace {

constexpr KeyCode kIncrease = 84;
constexpr KeyCode kDecrease = 66;

class NodeChannels : public ::testing::Test {
 protected:
  SimScene scene;
  Identity& craft = scene.addIdentity("CRAFT");

  float step(float rate) const { return rate * scene.model.frameStepSeconds(); }

  void stepNodesOnce() {
    stepNodes(scene.model, craft, craft.nodes.get(), &craft.pose);
    stepCameraChannels(scene.model);
  }
  void holdFor(KeyCode key, int frames) {
    craft.keys[key] = 1;
    for (int i = 0; i < frames; ++i) stepNodesOnce();
    craft.keys[key] = 0;
  }
};

// Angle in degrees between the world x axis and a unit tangent turned in the x-y plane.
float turnInXy(const Pose& pose) {
  return std::atan2(pose.tangent[1], pose.tangent[0]) * 57.29578f;
}

TEST_F(NodeChannels, IncreaseStopsWithOneStepOfRoomLeftButDecreaseLandsOnItsEnd) {
  SceneNode& part = scene.addNode(craft, "QUAD");
  ControlChannel& slide = bodyOf(part).translation[0];
  slide = channel(kIncrease, kDecrease, 10.0f, step(10.0f), 0.0f);

  holdFor(kIncrease, 1);
  EXPECT_EQ(part.pose->position[0], 0.0f);
  EXPECT_EQ(slide.roomUp, step(10.0f));

  slide.roomDown = -step(10.0f);
  holdFor(kDecrease, 3);
  EXPECT_FLOAT_EQ(part.pose->position[0], -step(10.0f));
  EXPECT_EQ(slide.roomDown, 0.0f);
  EXPECT_EQ(part.dirty, 1);
}

TEST_F(NodeChannels, UnlimitedChannelRunsPastItsRoomsInBothSigns) {
  SceneNode& part = scene.addNode(craft, "QUAD");
  ControlChannel& slide = bodyOf(part).translation[1];
  slide = channel(kIncrease, kDecrease, 10.0f, 0.0f, 0.0f, 1);

  holdFor(kIncrease, 5);
  EXPECT_NEAR(part.pose->position[1], 5 * step(10.0f), 1e-5f);
  EXPECT_NEAR(slide.roomUp, -5 * step(10.0f), 1e-5f);
  EXPECT_NEAR(slide.roomDown, -5 * step(10.0f), 1e-5f);
  holdFor(kDecrease, 8);
  EXPECT_NEAR(part.pose->position[1], -3 * step(10.0f), 1e-5f);
  EXPECT_GT(slide.roomDown, 0.0f);
}

TEST_F(NodeChannels, KeyZeroIsNoKeyEvenWhenItsEntryIsSet) {
  SceneNode& part = scene.addNode(craft, "QUAD");
  bodyOf(part).translation[0] = channel(0, 0, 10.0f, 100.0f, -100.0f);
  holdFor(0, 3);
  EXPECT_EQ(part.pose->position[0], 0.0f);
}

TEST_F(NodeChannels, CameraRespondsOnlyWhileItIsTheView) {
  SceneNode& camera = scene.addNode(craft, "CAMERA");
  bodyOf(camera).rotation[1] = channel(kIncrease, kDecrease, 90.0f, 1000.0f, -1000.0f);
  scene.model.activeCamera = &scene.model.freeCamera;
  holdFor(kIncrease, 1);
  EXPECT_EQ(camera.pose->tangent, (Vec3{1.0f, 0.0f, 0.0f}));

  scene.model.activeCamera = camera.pose.get();
  holdFor(kIncrease, 1);
  // A pan about its own up axis by 3.6 degrees: the view turns toward -z.
  EXPECT_NEAR(camera.pose->tangent[2], -std::sin(3.6f / 57.29578f), 1e-5f);
  EXPECT_NEAR(camera.pose->normal[1], 1.0f, 1e-6f);
}

TEST_F(NodeChannels, ToggleDrivesAWingToItsEndStopThroughDerivedKeys) {
  constexpr KeyCode kToggle = 81, kSweepOut = 300, kSweepIn = 301;
  SceneNode& hinge = scene.addNode(craft, "QUAD");
  BodyState& toggle = bodyOf(hinge);
  toggle.toggleKey = kToggle;
  toggle.toggleKeyA = kSweepOut;
  toggle.toggleKeyB = kSweepIn;
  SceneNode& wing = scene.addNode(craft, "QUAD");
  bodyOf(wing).rotation[2] = channel(kSweepOut, kSweepIn, 45.0f, 30.0f, 0.0f);
  SceneNode& tip = scene.addNode(craft, "LASERCANNON", {2.0f, 0.0f, 0.0f}, &wing);

  stepNodesOnce();  // off: B held, and the wing already rests on its lower stop
  EXPECT_EQ(craft.keys[kSweepIn], 1);
  EXPECT_EQ(turnInXy(*wing.pose), 0.0f);

  holdFor(kToggle, 1);
  for (int i = 0; i < 40; ++i) stepNodesOnce();
  EXPECT_EQ(craft.keys[kSweepOut], 1);
  EXPECT_EQ(craft.keys[kSweepIn], 0);
  // 16 steps of 1.8 degrees fit into 30 with room to spare; a 17th would not.
  EXPECT_NEAR(turnInXy(*wing.pose), 28.8f, 1e-3f);
  // The tip turns with the wing about the wing's pivot.
  EXPECT_NEAR(tip.pose->position[0], 2.0f * std::cos(28.8f / 57.29578f), 1e-4f);
  EXPECT_NEAR(tip.pose->position[1], 2.0f * std::sin(28.8f / 57.29578f), 1e-4f);
  EXPECT_NEAR(turnInXy(*tip.pose), 28.8f, 1e-3f);

  // Held for two frames the toggle flips twice and stays on.
  holdFor(kToggle, 2);
  EXPECT_EQ(toggle.toggleState, 1);
  holdFor(kToggle, 1);
  for (int i = 0; i < 40; ++i) stepNodesOnce();
  EXPECT_NEAR(turnInXy(*wing.pose), 0.0f, 1.8f);
  EXPECT_NEAR(turnInXy(*tip.pose), turnInXy(*wing.pose), 1e-3f);
}

TEST_F(NodeChannels, YChannelOfAPartSwingsAboutTheCraftsUpAxisThroughItsPivot) {
  craft.pose.normal = {0.0f, 0.0f, 1.0f};  // the craft's up is world z
  craft.pose.binormal = {0.0f, -1.0f, 0.0f};
  SceneNode& arm = scene.addNode(craft, "QUAD", {1.0f, 0.0f, 0.0f});
  bodyOf(arm).rotation[1] = channel(kIncrease, 0, 2250.0f, 1000.0f, 0.0f);  // 90 degrees a frame
  holdFor(kIncrease, 1);
  EXPECT_NEAR(arm.pose->position[0], 0.0f, 1e-5f);
  EXPECT_NEAR(arm.pose->position[1], 1.0f, 1e-5f);
}

TEST_F(NodeChannels, SubtreeWalkStopsAtTheEndOfTheDescendants) {
  SceneNode& arm = scene.addNode(craft, "QUAD");
  SceneNode& forearm = scene.addNode(craft, "QUAD", {}, &arm);
  SceneNode& hand = scene.addNode(craft, "QUAD", {}, &forearm);
  SceneNode& other = scene.addNode(craft, "QUAD");
  RigidMotion motion;
  moveNodeSubtree(arm, {0.0f, 0.0f, 2.0f}, 3.0f, motion);
  moveDescendants(arm, motion);
  EXPECT_EQ(forearm.pose->position, (Vec3{0.0f, 0.0f, 3.0f}));
  EXPECT_EQ(hand.pose->position, (Vec3{0.0f, 0.0f, 3.0f}));
  EXPECT_EQ(other.pose->position, (Vec3{0.0f, 0.0f, 0.0f}));
  RigidMotion none;
  moveNodeSubtree(forearm, {0.0f, 0.0f, 0.0f}, 3.0f, none);  // no direction: no move, no NaN
  moveDescendants(forearm, none);
  EXPECT_EQ(hand.pose->position, (Vec3{0.0f, 0.0f, 3.0f}));
}

// Each link takes the turns of all the links above it in one go: link k turns by k + 1 steps,
// and the part after the chain by none.
TEST_F(NodeChannels, EveryLinkOfADeepChainTurnsWithAllItsAncestors) {
  constexpr int kLinks = 10000;
  constexpr float kTurnPerLink = 360.0f / kLinks;
  std::vector<SceneNode*> links;
  for (int i = 0; i < kLinks; ++i) {
    links.push_back(&scene.addNode(craft, "QUAD", {}, links.empty() ? nullptr : links.back()));
    bodyOf(*links.back()).rotation[2] =
        channel(kIncrease, 0, kTurnPerLink / scene.model.frameStepSeconds(), 1000.0f, 0.0f);
  }
  SceneNode& after = scene.addNode(craft, "QUAD");
  holdFor(kIncrease, 1);
  EXPECT_NEAR(turnInXy(*links[0]->pose), kTurnPerLink, 1e-4f);
  EXPECT_NEAR(turnInXy(*links[kLinks / 4 - 1]->pose), 90.0f, 0.01f);
  EXPECT_NEAR(links[kLinks / 2 - 1]->pose->tangent[0], -1.0f, 1e-4f);
  EXPECT_NEAR(std::abs(turnInXy(*links.back()->pose)), 0.0f, 0.01f);
  EXPECT_EQ(after.pose->tangent, (Vec3{1.0f, 0.0f, 0.0f}));
}

TEST_F(NodeChannels, HangedPartFollowsGravityAndIdlesWithoutIt) {
  SceneNode& weight = scene.addNode(craft, "HANGED");
  ControlChannel& drop = bodyOf(weight).spin[0];
  drop = channel(kIncrease, kDecrease, 5.0f, 10.0f, 0.0f);
  holdFor(kIncrease, 2);
  EXPECT_EQ(weight.pose->position, (Vec3{0.0f, 0.0f, 0.0f}));
  EXPECT_EQ(drop.roomUp, 10.0f);

  scene.model.gravity = {0.0f, -9.8f, 0.0f};
  holdFor(kIncrease, 2);
  EXPECT_NEAR(weight.pose->position[1], -2 * step(5.0f), 1e-6f);
  EXPECT_EQ(weight.pose->position[0], 0.0f);
}

TEST_F(NodeChannels, ThrottleMovesByWholeRatesAndItsLevelStaysWithinZeroAndOne) {
  SceneNode& jet = scene.addNode(craft, "JET");
  setParams(jet, {500.0f, 0.5f, 3.0f});
  BodyState& body = bodyOf(jet);
  body.spin[0] = channel(kIncrease, kDecrease, 100.0f, 1000.0f, 0.0f);
  stepNodesOnce();
  ASSERT_TRUE(jet.throttle);
  EXPECT_EQ(jet.throttle->level, 0.0f);
  holdFor(kIncrease, 3);
  EXPECT_FLOAT_EQ(jet.throttle->level, 0.6f);
  holdFor(kIncrease, 6);
  EXPECT_EQ(jet.throttle->level, 1.0f);
  EXPECT_FLOAT_EQ(body.spin[0].roomDown, -900.0f);
  body.spin[0].unlimited = 1;  // throttles keep their end stops whatever the flag says
  holdFor(kIncrease, 5);
  EXPECT_FLOAT_EQ(body.spin[0].roomDown, -900.0f);
}

TEST_F(NodeChannels, JetWithoutMaxThrustIdles) {
  SceneNode& jet = scene.addNode(craft, "JET");
  bodyOf(jet).spin[1] = channel(kIncrease, 0, 100.0f, 1000.0f, 0.0f);
  holdFor(kIncrease, 2);
  ASSERT_TRUE(jet.throttle);
  EXPECT_EQ(jet.throttle->level, 0.0f);
}

TEST_F(NodeChannels, ExplosionStartsOncePerDetonateKeyEvenOnADestroyedCraft) {
  constexpr KeyCode kDetonate = 250;
  SceneNode& blast = scene.addNode(craft, "EXPLOSION");
  bodyOf(blast).fireKey = kDetonate;
  blast.sound = std::make_shared<SoundRef>();
  craft.alive = 0;
  craft.keys[kDetonate] = 1;
  stepNodesOnce();
  EXPECT_EQ(craft.keys[kDetonate], 0);
  EXPECT_FLOAT_EQ(*paramSlot(blast, 0), scene.model.frameStepSeconds());
  *paramSlot(blast, 0) = 0.3f;
  stepNodesOnce();
  EXPECT_FLOAT_EQ(*paramSlot(blast, 0), 0.3f);
  EXPECT_EQ(blast.sound->playRequests, 1);
}

TEST_F(NodeChannels, SoundKeyAsksForOnePlayPerFrameHeld) {
  SceneNode& horn = scene.addNode(craft, "QUAD");
  bodyOf(horn).playKey = 72;
  bodyOf(horn).sound = std::make_shared<SoundRef>();
  holdFor(72, 3);
  stepNodesOnce();
  EXPECT_EQ(bodyOf(horn).sound->playRequests, 3);
}

class Activation : public NodeChannels {
 protected:
  static constexpr KeyCode kActivate = 65;
  SceneNode& part = scene.addNode(craft, "QUAD");

  void SetUp() override {
    BodyState& body = bodyOf(part);
    body.activateKey = kActivate;
    body.activateArmed = 1;
    body.activateDelay = 0.3f;
  }
  // Frames, counting the press, until the part is active again.
  int framesUntilActive(int framesHeld) {
    for (int frame = 1; frame <= 20; ++frame) {
      craft.keys[kActivate] = frame <= framesHeld ? 1 : 0;
      stepNodesOnce();
      if (part.active == 1) return frame;
    }
    return -1;
  }
};

TEST_F(Activation, PressSwitchesOffUntilTheDelayHasRun) {
  // 0.3 s is eight steps of 0.04 s, counted from the press.
  EXPECT_EQ(framesUntilActive(1), 8);
  EXPECT_EQ(bodyOf(part).activateArmed, 1);
  EXPECT_EQ(bodyOf(part).activateTimer, 0.0f);
}

TEST_F(Activation, HoldingTheKeyHalvesTheWait) {
  EXPECT_EQ(framesUntilActive(20), 5);
}

TEST_F(Activation, DisarmedPartStaysOffUntilItsKeyIsPressedOnce) {
  bodyOf(part).activateArmed = 0;
  for (int i = 0; i < 10; ++i) stepNodesOnce();
  EXPECT_EQ(part.active, 0);
  EXPECT_EQ(framesUntilActive(1), 8);
}

}  // namespace
}  // namespace vev::test
