#include "hud/text_items.h"

#include <gtest/gtest.h>

#include "tests/hud/hud_scene.h"

namespace vev::test {
namespace {

// Slots of a text item: lin, col, units, showunits, digits.
class TextItems : public ::testing::Test {
 protected:
  HudScene hud;
  Identity& craft = hud.controlled;
  Identity& other = hud.addIdentity("Raider", {100.0f, 0.0f, 0.0f});

  std::string text(const SceneNode& node) { return hudItemText(node, craft).value_or("<none>"); }
};

TEST_F(TextItems, SpeedIsShownInTheChosenUnitAndDigits) {
  SceneNode& kmh = hud.addItem("SPEEDMETER", {0, 0, 1, 1, 3});
  SceneNode& below = hud.addItem("SPEEDMETER", {0, 0, 0, 2, 4});
  SceneNode& bare = hud.addItem("SPEEDMETER", {0, 0});
  craft.motion.velocity = {6.0f, 0.0f, 8.0f};
  EXPECT_EQ(text(kmh), "36. km/h");
  EXPECT_EQ(text(below), "10.\nm/s");
  craft.motion.velocity = {123.456f, 0.0f, 0.0f};
  EXPECT_EQ(text(bare), "123") << "three digits and no unit without the second cell";
  craft.motion.velocity = {0.05f, 0.0f, 0.0f};
  EXPECT_EQ(text(bare), "0");
  EXPECT_EQ(text(below), "0\nm/s");
}

TEST_F(TextItems, MissingOrZeroDigitsTakeThreeAndLargeOnesAreBounded) {
  craft.motion.velocity = {1234.5678f, 0.0f, 0.0f};
  EXPECT_EQ(text(hud.addItem("SPEEDMETER", {0, 0, 0, 1})), "1.23e+003 m/s");
  EXPECT_EQ(text(hud.addItem("SPEEDMETER", {0, 0, 0, 0, -2})), "1.23e+003");
  EXPECT_EQ(text(hud.addItem("SPEEDMETER", {0, 0, 0, 0, 1e30f})), "1234.56775");
}

TEST_F(TextItems, TargetBoundSpeedReadsTheTarget) {
  SceneNode& speed = hud.addItem("SPEEDMETER", {0, 0, 0, 1, 3});
  bindToTarget(speed);
  craft.motion.velocity = {50.0f, 0.0f, 0.0f};
  other.motion.velocity = {0.0f, 5.0f, 0.0f};
  EXPECT_EQ(text(speed), "0 m/s");
  craft.target = &other;
  EXPECT_EQ(text(speed), "5. m/s");
}

TEST_F(TextItems, RangeOfTheTargetAndZeroWithoutOne) {
  SceneNode& km = hud.addItem("RANGE", {0, 0, 1, 1, 3});
  SceneNode& metres = hud.addItem("RANGE", {0, 0, 0, 2, 4});
  craft.pose.targetRange = 1500.0f;
  EXPECT_EQ(text(km), "0") << "no target selected";
  craft.target = &other;
  EXPECT_EQ(text(km), "1.5 km");
  EXPECT_EQ(text(metres), "1500\nm");
  craft.pose.targetRange = 0.09f;
  EXPECT_EQ(text(metres), "0");
  craft.pose.targetRange = 99.0f;
  EXPECT_EQ(text(km), "0") << "0.099 km is under 0.1 in the chosen unit";
}

TEST_F(TextItems, DamageIsAPercentageOfStrength) {
  SceneNode& own = hud.addItem("DAMAGE", {0, 0, 0, 1});
  SceneNode& plain = hud.addItem("DAMAGE");
  SceneNode& targets = hud.addItem("DAMAGE", {0, 0, 0, 1});
  bindToTarget(targets);
  EXPECT_EQ(text(own), "0 X") << "no damage record";
  craft.damage = std::make_unique<DamageState>();
  EXPECT_EQ(text(own), "0 X") << "strength 0";
  craft.damage->strength = 200;
  craft.damage->taken = 50;
  EXPECT_EQ(text(own), "25. X");
  EXPECT_EQ(text(plain), "25.");
  craft.damage->taken = 1;
  craft.damage->strength = 3;
  EXPECT_EQ(text(plain), "33.3");
  EXPECT_EQ(text(targets), "0 X");
  craft.target = &other;
  other.damage = std::make_unique<DamageState>();
  other.damage->strength = 10;
  other.damage->taken = 10;
  EXPECT_EQ(text(targets), "100 X");
  other.damage->taken = 0;  // cleared on destruction
  other.damage->destroyed = 1;
  EXPECT_EQ(text(targets), "100+ X") << "a destroyed craft shows its strength exceeded";
}

TEST_F(TextItems, HeadingAndTargetAzimuthInThreeDigits) {
  SceneNode& heading = hud.addItem("HEADING");
  SceneNode& azimuth = hud.addItem("HEADING");
  bindToTarget(azimuth);
  craft.pose.heading = 7.9f;
  craft.pose.targetAzimuth = -45.5f;
  EXPECT_EQ(text(heading), "007");
  EXPECT_EQ(text(azimuth), "000") << "no target selected";
  craft.target = &other;
  EXPECT_EQ(text(azimuth), "-045");
  craft.pose.heading = 359.7f;
  EXPECT_EQ(text(heading), "359");
}

TEST_F(TextItems, InclinationReadsLevelWhileTheNoseIsLevel) {
  SceneNode& inclination = hud.addItem("INCLINATION");
  SceneNode& elevation = hud.addItem("INCLINATION");
  bindToTarget(elevation);
  craft.pose.tangent = {0.98f, 0.2f, 0.0f};
  craft.pose.inclination = -12.5f;
  EXPECT_EQ(text(inclination), "-012");
  craft.pose.inclination = 12.5f;
  EXPECT_EQ(text(inclination), "012");
  craft.pose.tangent = {1.0f, 0.0f, 0.0f};
  EXPECT_EQ(text(inclination), "000");
  craft.pose.inclination = -7.6e-6f;  // 90 - acos(0) in single precision
  EXPECT_EQ(text(inclination), "000");
  craft.pose.tangent = {0.98f, -0.2f, 0.0f};
  craft.pose.inclination = -0.4f;
  EXPECT_EQ(text(inclination), "-000") << "a slightly lowered nose";
  // The target's elevation does not depend on the craft's own nose.
  craft.pose.targetElevation = 30.0f;
  EXPECT_EQ(text(elevation), "000") << "no target selected";
  craft.target = &other;
  EXPECT_EQ(text(elevation), "030");
}

TEST_F(TextItems, NamesOfTheCraftOrOfItsTarget) {
  craft.hudName = "call sign";
  craft.hudName2 = "pilot";
  craft.hudName3 = "team";
  other.hudName2 = "Raider's pilot";
  SceneNode& name = hud.addItem("NAME");
  SceneNode& targetName = hud.addItem("NAME");
  bindToTarget(targetName);
  SceneNode& targetPilot = hud.addItem("NAME3");
  bindToTarget(targetPilot);
  EXPECT_EQ(text(name), "Falcon");
  EXPECT_EQ(text(hud.addItem("NAME2")), "call sign");
  EXPECT_EQ(text(hud.addItem("NAME3")), "pilot");
  EXPECT_EQ(text(hud.addItem("TEAM")), "team");
  EXPECT_FALSE(hudItemText(targetName, craft).has_value()) << "no target selected";
  craft.target = &other;
  EXPECT_EQ(text(targetName), "Raider");
  EXPECT_EQ(text(targetPilot), "Raider's pilot");
}

TEST_F(TextItems, StringsAndTheKindsThatAreNotText) {
  SceneNode& string = hud.addItem("HUDSTRING");
  string.name = "vev";
  EXPECT_EQ(text(string), "vev");
  for (const char* kind : {"RADAR", "HUDLINE", "INDICATOR", "CIRCUL", "name", "NAME4", "QUAD"}) {
    EXPECT_FALSE(isTextItem(hud.addItem(kind))) << kind;
  }
  EXPECT_TRUE(isTextItem(string));
}

}  // namespace
}  // namespace vev::test
