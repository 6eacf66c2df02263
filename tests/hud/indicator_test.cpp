#include "hud/indicator.h"

#include <gtest/gtest.h>

#include "tests/hud/hud_scene.h"

namespace vev::test {
namespace {

ControlChannel rooms(float roomUp, float roomDown) {
  ControlChannel channel;
  channel.roomUp = roomUp;
  channel.roomDown = roomDown;
  return channel;
}

TEST(IndicatorFraction, RunsFromTheLowerToTheUpperEnd) {
  EXPECT_FLOAT_EQ(indicatorFraction(rooms(1.0f, 0.0f)), 0.0f);
  EXPECT_FLOAT_EQ(indicatorFraction(rooms(0.0f, -1.0f)), 1.0f);
  EXPECT_FLOAT_EQ(indicatorFraction(rooms(0.25f, -0.75f)), 0.75f);
  EXPECT_FLOAT_EQ(indicatorFraction(rooms(0.0f, 0.0f)), 0.0f) << "no travel at all";
  EXPECT_FLOAT_EQ(indicatorFraction(rooms(-1.0f, -2.0f)), 1.0f)
      << "an unlimited channel past its end";
}

// An indicator with base P = (0.1, -0.5, 0.2), width 0.1 and length 0.8, at half travel.
class Indicator : public ::testing::Test {
 protected:
  SceneNode& indicator(float direction) {
    SceneNode& node = hud.addItem("INDICATOR");
    node.vertices = {{0.1f, -0.5f, 0.2f}, {0.1f, 0.8f, direction}};
    node.body = std::make_unique<BodyState>();
    node.body->translation[0] = rooms(0.5f, -0.5f);
    return node;
  }

  static void expectSpan(const std::array<HudCorner, 4>& quad, float v0, float v1, float h0,
                         float h1) {
    const std::array<HudCorner, 4> expected{{{v0, h0}, {v0, h1}, {v1, h1}, {v1, h0}}};
    for (int i = 0; i < 4; ++i) {
      EXPECT_FLOAT_EQ(quad[i].vertical, expected[i].vertical) << i;
      EXPECT_FLOAT_EQ(quad[i].horizontal, expected[i].horizontal) << i;
    }
  }

  HudScene hud;
};

TEST_F(Indicator, UpwardBarFillsFromItsBase) {
  const auto bar = indicatorBar(indicator(0.0f));
  ASSERT_TRUE(bar);
  EXPECT_FLOAT_EQ(bar->depthOffset, 0.1f);
  expectSpan(bar->filled, -0.5f, -0.1f, 0.2f, 0.3f);
  expectSpan(bar->rest, -0.1f, 0.3f, 0.2f, 0.3f);
}

TEST_F(Indicator, BarsAcrossGrowTowardEitherSide) {
  const auto right = indicatorBar(indicator(1.0f));
  ASSERT_TRUE(right);
  expectSpan(right->filled, -0.5f, -0.4f, 0.2f, 0.6f);
  expectSpan(right->rest, -0.5f, -0.4f, 0.6f, 1.0f);
  const auto left = indicatorBar(indicator(-1.0f));
  ASSERT_TRUE(left);
  expectSpan(left->filled, -0.5f, -0.4f, -0.2f, -0.6f);
  expectSpan(left->rest, -0.5f, -0.4f, -0.6f, -1.0f);
}

TEST_F(Indicator, MissingVerticesBodyOrDirectionDrawLittleOrNothing) {
  SceneNode& node = indicator(0.0f);
  node.body.reset();
  const auto empty = indicatorBar(node);
  ASSERT_TRUE(empty) << "without a channel the bar stands at its lower end";
  expectSpan(empty->rest, -0.5f, 0.3f, 0.2f, 0.3f);
  node.vertices.pop_back();
  EXPECT_FALSE(indicatorBar(node));
  EXPECT_FALSE(indicatorBar(indicator(0.5f)));
}

}  // namespace
}  // namespace vev::test
