#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "hud/hud.h"
#include "render/stroke_text.h"
#include "tests/hud/hud_scene.h"
#include "tests/hud/scene_files.h"
#include "tests/render/gl_test_context.h"

namespace vev::test {
namespace {

// An 800 x 600 view from the origin along +x with a 45 degree field of view, the controlled
// craft at the origin too.
class HudDrawing : public GlTest {
 protected:
  HudDrawing() : GlTest(800, 600) {}

  void SetUp() override {
    GlTest::SetUp();
    view_ = HudView{viewport_.aspect, 's', &camera_};
  }

  void drawTheHud(bool panel = true) {
    drawHud(hud.scene.get(), &hud.controlled, &camera_, view_, panel);
  }

  // Pixel column and row (from the top) of HUD point (h, v) for the camera's zoom of 45.
  int pixelX(float h) const {
    return static_cast<int>(std::lround(width_ / 2.0 * (1.0 + h * kFit)));
  }
  int pixelY(float v) const {
    return static_cast<int>(std::lround(height_ / 2.0 * (1.0 - v * kFit)));
  }
  Rgba pixelAt(float h, float v) const { return pixel(pixelX(h), pixelY(v)); }
  // Lit pixels within `reach` pixels of HUD point (h, v).
  int litNear(float h, float v, int reach) const {
    return countLit(pixelX(h) - reach, pixelY(v) - reach, pixelX(h) + reach + 1,
                    pixelY(v) + reach + 1);
  }
  int litInCell(int row, int column) const {
    return countLit(pixelX(textH(column, 0.0f)) - 1, pixelY(textV(row, 1.0f)) - 1,
                    pixelX(textH(column, 1.0f)) + 1, pixelY(textV(row, 0.0f)) + 1);
  }

  // k/4 against tan 22.5: how much of the view the span -1 to 1 covers.
  const double kFit = 1.6197752 / 4.0 / std::tan(22.5 * M_PI / 180.0);
  HudView view_;
  HudScene hud;
};

TEST_F(HudDrawing, StringLightsOnlyItsGridCell) {
  hud.addItem("HUDSTRING", {2, 10}).name = "h";
  drawTheHud();
  EXPECT_GT(litInCell(2, 10), 10);
  EXPECT_EQ(countLitEverywhere(), litInCell(2, 10));
  EXPECT_EQ(hud.controlled.nodes->name, "h") << "the scene's text keeps its case";
}

TEST_F(HudDrawing, ItemsWithAPoseAreDrawnInItsFrame) {
  SceneNode& text = hud.addItem("HUDSTRING", {11, 42});
  text.name = "H";
  text.pose = std::make_unique<Pose>(camera_);
  text.pose->zoom = 90.0f;
  drawTheHud();
  EXPECT_EQ(litInCell(11, 42), 0) << "twice the zoom spreads the grid";
  EXPECT_GT(litInCell(9, 44) + litInCell(10, 44), 10);
}

TEST_F(HudDrawing, RadarMarksAContactStraightAheadAtItsCentre) {
  SceneNode& radar = hud.addItem("RADAR", {0.5f, -0.5f, 0.2f, 0.2f});
  radar.vertices.push_back({1.0f, 0.0f, 0.0f});
  Identity& target = hud.addIdentity("target", {100.0f, 0.0f, 0.0f});
  hud.controlled.target = &target;
  hud.addIdentity("AMMO", {100.0f, 0.0f, 20.0f});
  drawTheHud();
  EXPECT_EQ(pixelAt(0.5f, -0.5f), (Rgba{255, 255, 255, 255}));
  EXPECT_GT(litNear(0.5f, -0.5f, 3), 4);
  EXPECT_EQ(countLitEverywhere(), litNear(0.5f, -0.5f, 4)) << "the shot is not shown";

  clearFrame(0, 0, 0, 0);
  hud.controlled.target = nullptr;
  drawTheHud();
  const Rgba grey = pixelAt(0.5f, -0.5f);
  EXPECT_NEAR(grey[0], 0.7 * 255, 1.0) << "grey when not the target";
  EXPECT_EQ(grey[0], grey[1]);
  EXPECT_EQ(grey[0], grey[2]);

  // With a blip size, a filled square in the item's colours: color2 for the target.
  writableParamSlot(radar, 4) = 0.02f;
  radar.shape->ambient = {1.0f, 0.0f, 0.0f, 1.0f};
  hud.controlled.target = &target;
  clearFrame(0, 0, 0, 0);
  drawTheHud();
  EXPECT_EQ(pixelAt(0.51f, -0.49f), (Rgba{255, 0, 0, 255}));
  EXPECT_GT(litNear(0.5f, -0.5f, 4), 40);
}

TEST_F(HudDrawing, IndicatorAtHalfTravelFillsHalfItsBar) {
  SceneNode& bar = hud.addItem("INDICATOR");
  bar.vertices = {{0.1f, -0.5f, 0.2f}, {0.2f, 0.8f, 0.0f}};
  bar.shape->diffuse = {1.0f, 0.0f, 0.0f, 1.0f};
  bar.shape->ambient = {0.0f, 0.0f, 1.0f, 1.0f};
  bar.body = std::make_unique<BodyState>();
  bar.body->translation[0].roomUp = 0.5f;
  bar.body->translation[0].roomDown = -0.5f;
  drawTheHud();
  EXPECT_EQ(pixelAt(0.3f, -0.4f), (Rgba{255, 0, 0, 255}));
  EXPECT_EQ(pixelAt(0.3f, -0.2f), (Rgba{255, 0, 0, 255}));
  EXPECT_EQ(pixelAt(0.3f, 0.0f), (Rgba{0, 0, 255, 255}));
  EXPECT_EQ(pixelAt(0.3f, 0.2f), (Rgba{0, 0, 255, 255}));
  EXPECT_EQ(pixelAt(0.3f, 0.4f), (Rgba{0, 0, 0, 255}));
  EXPECT_EQ(pixelAt(0.1f, -0.2f), (Rgba{0, 0, 0, 255}));
  const int red = countLit(pixelX(0.2f), pixelY(-0.1f), pixelX(0.4f), pixelY(-0.5f));
  const int all = countLitEverywhere();
  EXPECT_NEAR(red, all / 2, all / 50);
}

TEST_F(HudDrawing, LinesQuadsAndCirclesInTheItemsColour) {
  SceneNode& line = hud.addItem("HUDLINE", {1.0f});
  line.vertices = {{0.0f, -0.8f, -0.8f}, {0.0f, -0.8f, -0.4f}, {0.0f, -0.4f, -0.8f}};
  SceneNode& quad = hud.addItem("HUDQUAD");
  quad.vertices = {{0.0f, 0.4f, 0.4f}, {0.0f, 0.4f, 0.8f}, {0.0f, 0.8f, 0.8f}, {0.0f, 0.8f, 0.4f}};
  quad.shape->diffuse = {0.0f, 1.0f, 0.0f, 1.0f};
  hud.addItem("CIRCUL", {-0.5f, 0.5f, 0.2f, 0.3f});
  drawTheHud();
  EXPECT_GT(litNear(-0.6f, -0.6f, 1), 0) << "the closing edge";
  EXPECT_EQ(pixelAt(0.6f, 0.6f), (Rgba{0, 255, 0, 255}));
  EXPECT_GT(litNear(-0.3f, 0.5f, 1), 0);
  EXPECT_GT(litNear(-0.5f, 0.8f, 1), 0);
  EXPECT_EQ(litNear(-0.5f, 0.5f, 5), 0);
}

// A bracket of half-size 0.2 (in HUD units up; across, a square on the screen) at 100 m and
// nearer, 0.05 at 400 m; an arrow at the right edge for a target behind and to the right.
TEST_F(HudDrawing, TargetBoxBracketsTheTargetOrPointsTheWayAtTheEdge) {
  hud.addItem("TARGETBOX", {0.0f, 0.0f, 0.05f, 0.2f, 100.0f});
  Identity& target = hud.addIdentity("target", {100.0f, 0.0f, 0.0f});
  hud.controlled.target = &target;
  const float across = 1.0f / view_.aspect;
  drawTheHud();
  EXPECT_GT(litNear(0.2f * across, 0.2f, 1), 0);
  EXPECT_GT(litNear(-0.2f * across, -0.2f, 1), 0);
  EXPECT_EQ(litNear(0.0f, 0.0f, 10), 0) << "an open bracket, not a cross";

  clearFrame(0, 0, 0, 0);
  target.pose.position = {400.0f, 0.0f, 0.0f};
  drawTheHud();
  EXPECT_GT(litNear(0.05f * across, 0.05f, 1), 0);
  EXPECT_EQ(litNear(0.2f * across, 0.2f, 3), 0);

  clearFrame(0, 0, 0, 0);
  target.pose.position = {-100.0f, 0.0f, 30.0f};
  drawTheHud();
  EXPECT_GT(litNear(0.9f, 0.0f, 2), 0);
  EXPECT_EQ(countLitEverywhere(), litNear(0.88f, 0.0f, 25)) << "only the arrow";
}

// For a moment after a hit on the target, the bracket is drawn in its flash colour.
TEST_F(HudDrawing, AHitOnTheTargetFlashesTheBracketInItsFlashColour) {
  SceneNode& box = hud.addItem("TARGETBOX", {0.0f, 0.0f, 0.05f, 0.2f, 100.0f});
  box.shape->specular = {0.0f, 0.0f, 1.0f, 1.0f};
  Identity& target = hud.addIdentity("target", {100.0f, 0.0f, 0.0f});
  target.damage = std::make_unique<DamageState>();
  hud.controlled.target = &target;
  const auto blueAtTheCorner = [this] {
    const int x0 = pixelX(0.2f / view_.aspect);
    const int y0 = pixelY(0.2f);
    int blue = 0;
    for (int y = y0 - 3; y <= y0 + 3; ++y) {
      for (int x = x0 - 3; x <= x0 + 3; ++x) blue += pixel(x, y) == Rgba{0, 0, 255, 255};
    }
    return blue;
  };
  drawTheHud();
  EXPECT_EQ(blueAtTheCorner(), 0);
  target.damage->hitFlash = 1;
  clearFrame(0, 0, 0, 0);
  drawTheHud();
  EXPECT_GT(blueAtTheCorner(), 0);
}

TEST_F(HudDrawing, ItemsWithoutWhatTheyNeedDrawNothing) {
  hud.addItem("HUDSTRING", {2, 10}).name = "no colour";
  hud.controlled.nodes->shape.reset();
  hud.addItem("RADAR", {0.0f, 0.0f, 0.2f, 0.2f});  // no vertices
  hud.addItem("INDICATOR").vertices.push_back({0.1f, 0.0f, 0.0f});
  hud.addItem("HUDLINE");
  hud.addItem("HUDQUAD");
  hud.addItem("CAMERA");
  hud.addItem("TARGETBOX", {0.0f, 0.0f, 0.05f});  // no largest size or range
  hud.controlled.target = &hud.addIdentity("ahead", {100.0f, 0.0f, 0.0f});
  drawTheHud();
  EXPECT_EQ(countLitEverywhere(), 0);
}

TEST_F(HudDrawing, PanelOffOrNothingControlledDrawsNoHud) {
  HudSceneFiles files;
  ASSERT_TRUE(files.load("cockpit.zsf"));
  ASSERT_TRUE(files.load("raider.zsf"));
  Identity* craft = files.model.scene.get();
  drawHud(files.model.scene.get(), craft, &camera_, view_, false);
  drawHud(files.model.scene.get(), nullptr, &camera_, view_, true);
  EXPECT_EQ(countLitEverywhere(), 0);
  drawHud(files.model.scene.get(), craft, &camera_, view_, true);
  EXPECT_GT(countLitEverywhere(), 1000);
}

TEST_F(HudDrawing, ControlPanelListsInOrangeFromTheTopLeftWhenShown) {
  hud.controlled.body.rotation[0] = {38, 40};
  drawControlPanel(&hud.controlled, false, &camera_, view_);
  drawControlPanel(nullptr, true, &camera_, view_);
  EXPECT_EQ(countLitEverywhere(), 0);
  drawControlPanel(&hud.controlled, true, &camera_, view_);
  EXPECT_GT(litInCell(0, 0), 5);  // "R"
  EXPECT_EQ(litInCell(1, 0), 0);
  bool orange = false;
  for (int y = 0; y < 30 && !orange; ++y) {
    for (int x = 0; x < 20 && !orange; ++x) {
      const Rgba p = pixel(x, y);
      orange = p[0] == 255 && std::abs(p[1] - 128) <= 1 && p[2] == 0;
    }
  }
  EXPECT_TRUE(orange);
}

}  // namespace
}  // namespace vev::test
