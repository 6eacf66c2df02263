#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gl_test_context.h"
#include "render/hud_primitives.h"
#include "render/stroke_font.h"
#include "render/stroke_text.h"

namespace vev::test {
namespace {

// An 800 x 600 view from the origin along +x with a 45 degree field of view, on which the text
// grid's columns are about 9.8 pixels wide and its rows 23.5 pixels high.
class HudTest : public GlTest {
 protected:
  HudTest() : GlTest(800, 600) {}

  void SetUp() override {
    GlTest::SetUp();
    view_ = HudView{viewport_.aspect, 's', &camera_};
  }

  // Pixel column and row (from the top) of HUD point (h, v) for the camera's zoom of 45.
  double pixelX(float h) const { return width_ / 2.0 * (1.0 + h * kFit); }
  double pixelY(float v) const { return height_ / 2.0 * (1.0 - v * kFit); }

  int litInCell(int row, int column) const {
    return countLit(static_cast<int>(std::floor(pixelX(textH(column, 0.0f)))),
                    static_cast<int>(std::floor(pixelY(textV(row, 1.0f)))),
                    static_cast<int>(std::ceil(pixelX(textH(column, 1.0f)))),
                    static_cast<int>(std::ceil(pixelY(textV(row, 0.0f)))));
  }
  // Whether anything is drawn within a pixel of HUD point (h, v).
  bool litAt(float h, float v) const {
    const int x = static_cast<int>(std::lround(pixelX(h)));
    const int y = static_cast<int>(std::lround(pixelY(v)));
    return countLit(x - 1, y - 1, x + 2, y + 2) > 0;
  }

  // k/4 against tan 22.5: how much of the view the span -1 to 1 covers.
  const double kFit = 1.6197752 / 4.0 / std::tan(22.5 * M_PI / 180.0);
  static constexpr HudColour kWhite{1.0f, 1.0f, 1.0f};
  HudView view_;
};

TEST_F(HudTest, TextIsUpperCasedAndDrawnInTheCellsOfTheGrid) {
  std::string text = "km/h";
  drawStrokeText(text, kWhite, 2, 10, view_, &camera_, nullptr);
  EXPECT_EQ(text, "KM/H");
  for (int column = 10; column < 14; ++column) EXPECT_GT(litInCell(2, column), 5) << column;
  const int inside = litInCell(2, 10) + litInCell(2, 11) + litInCell(2, 12) + litInCell(2, 13);
  EXPECT_EQ(countLitEverywhere(), inside);
}

TEST_F(HudTest, SpaceAndColonAdvanceWithoutDrawing) {
  std::string text = "A :B";
  drawStrokeText(text, kWhite, 0, 0, view_, &camera_, nullptr);
  EXPECT_GT(litInCell(0, 0), 5);
  EXPECT_EQ(litInCell(0, 1), 0);
  EXPECT_EQ(litInCell(0, 2), 0);
  EXPECT_GT(litInCell(0, 3), 5);
}

TEST_F(HudTest, NewlineReturnsToTheStartingColumn) {
  std::string text = "AB\nC";
  drawStrokeText(text, kWhite, 12, 30, view_, nullptr, nullptr);  // the free camera
  EXPECT_GT(litInCell(13, 30), 5);
  EXPECT_EQ(litInCell(13, 0), 0);
}

TEST(StrokeTextLayout, WrapsAfterTheLastColumnAndNewlinesToTheStartingColumn) {
  std::string text(85, 'x');
  auto placed = layoutStrokeText(text, 3, 0);
  EXPECT_EQ(placed[79].row, 3);
  EXPECT_EQ(placed[79].column, 79);
  EXPECT_EQ(placed[80].row, 4);
  EXPECT_EQ(placed[80].column, 0);
  EXPECT_EQ(placed[80].code, 'X');

  text = std::string(10, 'a') + "\nb";
  placed = layoutStrokeText(text, 0, 75);
  EXPECT_EQ(placed[4].column, 79);
  EXPECT_EQ(placed[5].row, 1);
  EXPECT_EQ(placed[5].column, 75);  // wrapped to the starting column, not to column 0
  EXPECT_EQ(placed[11].row, 3);
  EXPECT_EQ(placed[11].column, 75);
}

TEST(StrokeFont, GlyphTableHoldsDigitsCapitalsAndPunctuationOnly) {
  EXPECT_EQ(buildGlyph('Q').size(), buildGlyph('O').size() + 1);
  EXPECT_FLOAT_EQ(buildGlyph('Q').back().gx, 1.0f);
  EXPECT_FLOAT_EQ(buildGlyph('+')[0].gx, 0.5f);
  EXPECT_EQ(buildGlyph('8').size(), 9u);
  for (const char code : {' ', ':', 'a', '\n', '*', '\0'}) EXPECT_TRUE(buildGlyph(code).empty());
  int glyphs = 0;
  for (int code = 0; code < 128; ++code) glyphs += !buildGlyph(static_cast<char>(code)).empty();
  EXPECT_EQ(glyphs, 10 + 26 + 5);
}

TEST_F(HudTest, LineRunsBetweenItsHudPoints) {
  hudLine(kWhite, view_, &camera_, nullptr, -0.5f, 0.0f, 0.5f, 0.0f);
  EXPECT_TRUE(litAt(0.0f, 0.0f));
  EXPECT_TRUE(litAt(-0.45f, 0.0f));
  EXPECT_FALSE(litAt(0.6f, 0.0f));
}

TEST_F(HudTest, ItemPoseFrameIsPushedBackByItsDist) {
  // An item a little above the camera: the further back its plane, the less it is raised.
  Pose item = camera_;
  item.position = {0.0f, 0.03f, 0.0f};
  hudLine(kWhite, view_, &camera_, &item, -1.0f, 0.0f, 1.0f, 0.0f);
  const double raised = 0.03 / (0.3 * std::tan(22.5 * M_PI / 180.0)) * 300.0;
  EXPECT_GT(
      countLit(395, static_cast<int>(300 - raised) - 1, 405, static_cast<int>(300 - raised) + 2),
      0);
  clearFrame(0, 0, 0, 0);
  item.dist = 0.3f;
  hudLine(kWhite, view_, &camera_, &item, -1.0f, 0.0f, 1.0f, 0.0f);
  EXPECT_GT(countLit(395, static_cast<int>(300 - raised / 2) - 1, 405,
                     static_cast<int>(300 - raised / 2) + 2),
            0);
}

std::vector<Vertex> chain(std::initializer_list<std::array<float, 2>> points) {
  std::vector<Vertex> vertices;
  for (const auto& p : points) vertices.push_back({0.0f, p[1], p[0]});
  return vertices;
}

TEST_F(HudTest, PolylineClosesOnlyWhenAskedWithThreePointsOrMore) {
  const auto triangle = chain({{0.0f, 0.0f}, {0.5f, 0.0f}, {0.0f, 0.5f}});
  hudPolyline(triangle, kWhite, 0.0f, view_, &camera_, nullptr);
  EXPECT_TRUE(litAt(0.25f, 0.0f));
  EXPECT_TRUE(litAt(0.25f, 0.25f));
  EXPECT_FALSE(litAt(0.0f, 0.25f));  // the closing edge
  hudPolyline(triangle, kWhite, 1.0f, view_, &camera_, nullptr);
  EXPECT_TRUE(litAt(0.0f, 0.25f));

  const HudPlane plane = *hudPlane(view_, &camera_, nullptr, 0.3f);
  EXPECT_EQ(hudStripPoints(plane, chain({{0.0f, 0.0f}, {0.5f, 0.0f}}), true).size(), 2u);
  EXPECT_EQ(hudStripPoints(plane, triangle, true).size(), 4u);
}

TEST_F(HudTest, PolygonIsFilledExceptInWireframe) {
  const auto triangle = chain({{0.0f, 0.0f}, {0.5f, 0.0f}, {0.0f, 0.5f}});
  hudPolygon(triangle, kWhite, view_, &camera_, nullptr);
  EXPECT_TRUE(litAt(0.15f, 0.15f));
  clearFrame(0, 0, 0, 0);
  view_.shading = 'w';
  hudPolygon(triangle, kWhite, view_, &camera_, nullptr);
  EXPECT_FALSE(litAt(0.15f, 0.15f));
  EXPECT_TRUE(litAt(0.0f, 0.25f));  // closed back to the first point
}

TEST_F(HudTest, QuadIsFilledInTheCameraFrameExceptInWireframe) {
  const std::array<HudCorner, 4> corners{
      {{-0.2f, -0.2f}, {-0.2f, 0.2f}, {0.2f, 0.2f}, {0.2f, -0.2f}}};
  hudQuad(0.1f, corners, {0.0f, 1.0f, 0.0f}, view_, &camera_);
  EXPECT_EQ(centre(), (Rgba{0, 255, 0, 255}));
  clearFrame(0, 0, 0, 0);
  view_.shading = 'w';
  hudQuad(0.1f, corners, {0.0f, 1.0f, 0.0f}, view_, nullptr);
  EXPECT_EQ(centre(), (Rgba{0, 0, 0, 255}));
  EXPECT_TRUE(litAt(0.0f, 0.2f));
}

TEST(HudPlane, ItemPoseGivesFrameZoomAndExtraDepth) {
  Pose camera = unitPose({1.0f, 2.0f, 3.0f});
  camera.zoom = 45.0f;
  Pose item = unitPose({0.0f, 0.0f, 0.0f});
  item.tangent = {0.0f, 0.0f, 1.0f};
  item.zoom = 90.0f;
  item.dist = 1.0f;
  const HudView view{2.0f, 's', &camera};
  const HudPlane plane = *hudPlane(view, &camera, &item, 0.3f);
  EXPECT_EQ(plane.centre, (Vec3{0.0f, 0.0f, 1.3f}));
  EXPECT_FLOAT_EQ(plane.verticalScale, kHudScale * 90.0f * 1.3f / 45.0f);
  EXPECT_FLOAT_EQ(plane.horizontalScale, plane.verticalScale * 2.0f);
  EXPECT_EQ(hudPlane(view, nullptr, nullptr, 0.3f)->centre, (Vec3{1.3f, 2.0f, 3.0f}));
  EXPECT_FALSE(hudPlane(HudView{}, nullptr, nullptr, 0.3f).has_value());
}

}  // namespace
}  // namespace vev::test
