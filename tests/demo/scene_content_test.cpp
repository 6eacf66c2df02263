#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/demo/demo_flight.h"

// What the demonstration's files hold, and what their parts do once loaded together.
namespace vev::demo {
namespace {

constexpr int kExplosionClock = 0;

std::set<std::string> kindsOf(const Identity& identity) {
  std::set<std::string> kinds;
  for (const SceneNode* n = identity.nodes.get(); n; n = n->next.get()) kinds.insert(n->kind);
  return kinds;
}

float explosionClock(const SceneNode& explosion) {
  const float* clock = paramSlot(explosion, kExplosionClock);
  return clock ? *clock : 0.0f;
}

using DemoScene = DemoFlight;

TEST_F(DemoScene, EveryShapeKindAppearsAndEveryTextureLoads) {
  std::set<std::string> kinds;
  for (const Identity* identity : identities()) {
    const auto own = kindsOf(*identity);
    kinds.insert(own.begin(), own.end());
  }
  for (const char* kind : {"QUAD", "SMQUAD", "QUADBEAM", "SMQUADBEAM", "SMQUADBEAML", "QUADBEAMSM",
                           "HANGED", "RETIBEAM", "ROUNDBEAM", "CROUNDBEAM", "CROUNDBEAMC",
                           "SMROUNDBEAMC", "JET", "LASERCANNON", "EXPLOSION", "CAMERA"}) {
    EXPECT_TRUE(kinds.count(kind)) << "no " << kind << " in the demonstration";
  }
  EXPECT_TRUE(unreadable.empty()) << unreadable.front();
  EXPECT_EQ(identities().size(), 8u) << "seven craft and the surroundings";
}

TEST_F(DemoScene, PlayerCraftCarriesEveryHudItemKind) {
  const auto kinds = kindsOf(*player());
  for (const char* kind :
       {"SPEEDMETER", "RADAR", "CIRCUL", "INDICATOR", "DAMAGE", "HUDQUAD", "HUDLINE", "HEADING",
        "INCLINATION", "TEAM", "NAME", "NAME2", "NAME3", "RANGE", "HUDSTRING", "HELPSTRING"}) {
    EXPECT_TRUE(kinds.count(kind)) << "the player's HUD has no " << kind;
  }
  // The four names, the target's speed, damage, bearing and elevation follow the target.
  for (const char* name : {"target name", "target call sign", "target pilot", "target team",
                           "target speed", "target damage", "target bearing", "target elevation"}) {
    const SceneNode* item = playerPart(name);
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->vertices.empty()) << name << " shows the player's own value";
  }
  EXPECT_EQ(playerPart("forward radar")->vertices.front().x, 1.0f);
  EXPECT_EQ(playerPart("rear radar")->vertices.front().x, -1.0f);
  const ControlChannel& bar = playerPart("thrust bar")->body->translation[0];
  EXPECT_EQ(bar.increaseKey, kT);
  EXPECT_EQ(bar.decreaseKey, kB);
}

TEST_F(DemoScene, ViewStartsInTheCockpitWithAChaseCameraBehind) {
  const SceneNode& first = *player()->nodes;
  EXPECT_EQ(first.kind, "CAMERA");
  EXPECT_EQ(first.name, "cockpit camera");
  EXPECT_EQ(view.model.activeCamera, first.pose.get());
  const SceneNode* chase = playerPart("chase camera");
  ASSERT_NE(chase, nullptr);
  EXPECT_EQ(chase->kind, "CAMERA");
  const Vec3 fromCraft = chase->pose->position - player()->pose.position;
  EXPECT_LT(dot(fromCraft, player()->pose.tangent), -10.0f) << "the chase camera is behind";
  EXPECT_GT(dot(chase->pose->tangent, player()->pose.tangent), 0.9f) << "and looks ahead";
}

// Damage beyond the strength presses the trigger key, which sets off the craft's explosion; the
// wreck then shows nothing but the explosion.
TEST_F(DemoScene, EveryCraftExplodesWhenDestroyedAndStaysAsAWreck) {
  std::vector<Identity*> craft = computerCraft();
  craft.push_back(player());
  for (Identity* identity : craft) {
    ASSERT_TRUE(identity->damage) << identity->name;
    identity->damage->taken = static_cast<std::int16_t>(identity->damage->strength + 1);
  }
  frames(3);
  for (Identity* identity : craft) {
    EXPECT_EQ(identity->damage->destroyed, 1) << identity->name;
    EXPECT_EQ(identity->alive, 0) << identity->name;
    EXPECT_EQ(identity->damage->removal, 1) << identity->name << " is not left as a wreck";
    const SceneNode* blast = node(*identity, "blast");
    ASSERT_TRUE(blast);
    EXPECT_EQ(blast->body->fireKey, identity->damage->triggerKey) << identity->name;
    EXPECT_GT(explosionClock(*blast), 0.0f) << identity->name << " did not explode";
    for (const Polygon& polygon : identity->polygons) {
      EXPECT_EQ(polygon.owner, blast) << identity->name << " still shows " << polygon.owner->name;
    }
  }
  ASSERT_EQ(computerCraft().size(), 6u);
}

TEST_F(DemoScene, PilotKeysLeaveTheSurroundingsWhereTheyAre) {
  Identity& sky = *surroundings();
  std::vector<Pose> poses;
  for (const SceneNode* n = sky.nodes.get(); n; n = n->next.get()) poses.push_back(*n->pose);
  frames(100);
  EXPECT_EQ(sky.keys[kT], 1) << "the pilot drives the surroundings too";
  EXPECT_EQ(sky.pose.position, (Vec3{0, 0, 0}));
  std::size_t i = 0;
  for (const SceneNode* n = sky.nodes.get(); n; n = n->next.get(), ++i) {
    EXPECT_EQ(n->pose->position, poses[i].position) << n->name;
    EXPECT_EQ(n->pose->tangent, poses[i].tangent) << n->name;
  }
  EXPECT_EQ(explosionClock(*node(sky, "distant explosion")), 0.0f);
}

TEST_F(DemoScene, SurroundingsExplosionIsSetOffByE) {
  Identity& sky = *surroundings();
  const SceneNode* blast = node(sky, "distant explosion");
  ASSERT_TRUE(blast);
  view.model.controlled = &sky;
  press(kE);
  EXPECT_GT(explosionClock(*blast), 0.0f);
  frames(10);
  float reach = 0.0f;
  for (const Polygon& polygon : sky.polygons) {
    if (polygon.owner != blast) continue;
    for (const PolygonVertex& vertex : polygon.vertices) {
      reach = std::fmax(reach, length(vertex.position - blast->pose->position));
    }
  }
  EXPECT_GT(reach, 20.0f) << "the blast has grown";
}

// The sky is made of backdrops: faces at a fixed direction from whatever camera looks.
TEST_F(DemoScene, SkyIsTexturedWithinViewRangeAndStopsNoShot) {
  Identity& sky = *surroundings();
  frames(1);
  ASSERT_FALSE(sky.polygons.empty());
  const Vec3 eye = view.model.activeCamera->position;
  for (const Polygon& polygon : sky.polygons) {
    if (polygon.owner->kind != "QUAD") continue;
    EXPECT_EQ(polygon.collision, 0) << polygon.owner->name;
    EXPECT_TRUE(polygon.textured) << polygon.owner->name;
    const float distance = length(polygon.vertices.front().position - eye);
    EXPECT_GT(distance, 2500.0f) << polygon.owner->name;
    EXPECT_LT(distance, 8000.0f) << polygon.owner->name << " lies beyond the view range";
  }
}

}  // namespace
}  // namespace vev::demo
