#include <GL/gl.h>
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "gl_test_context.h"
#include "model/texture_list.h"
#include "render/draw_order.h"
#include "render/polygon_drawing.h"
#include "scene_fixture.h"

namespace vev::test {
namespace {

using Colour = std::array<float, 4>;
constexpr Colour kRed{1.0f, 0.0f, 0.0f, 1.0f};
constexpr Colour kGreen{0.0f, 1.0f, 0.0f, 1.0f};
constexpr Colour kBlue{0.0f, 0.0f, 1.0f, 1.0f};
constexpr Colour kWhite{1.0f, 1.0f, 1.0f, 1.0f};

// A square across the view of the camera at the origin looking along +x (+z to the right, +y
// up), at distance x, with corners bottom left, bottom right, top right, top left.
Polygon square(float x, float half, const Colour& colour, const Vec3& normal = {-1, 0, 0}) {
  Polygon p;
  p.normal = normal;
  p.lightingDone = 1;
  const Vec3 corners[] = {{x, -half, -half}, {x, -half, half}, {x, half, half}, {x, half, -half}};
  const float us[] = {0, 1, 1, 0};
  const float vs[] = {0, 0, 1, 1};
  for (int i = 0; i < 4; ++i) p.vertices.push_back({corners[i], normal, colour, us[i], vs[i]});
  return p;
}

class DrawingTest : public GlTest {
 protected:
  void draw(std::vector<Polygon>& polygons) {
    DrawList list;
    for (Polygon& p : polygons) list.push_back(&p);
    drawPolygonList(list, ViewVolume(camera_, viewport_.aspect), cache_, textures_, settings_);
  }

  // A 2 x 2 texture: bottom row red, green; top row blue, white.
  TextureEntry& addTexture(const std::string& path) {
    TextureEntry& entry = textures_.append(path);
    entry.loaded = true;
    entry.width = 2;
    entry.height = 2;
    entry.imageWidth = 2;
    entry.imageHeight = 2;
    entry.rgbPixels = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0};
    return entry;
  }

  Polygon texturedSquare(const std::string& path, const Colour& colour) {
    Polygon p = square(5.0f, 1.0f, colour);
    p.textured = 1;
    p.texture = &texturePaths_.emplace_back(path);
    return p;
  }

  // Pixels at a fraction of the width (from the left) and height (from the top).
  Rgba at(float fx, float fy) const {
    return pixel(static_cast<int>(fx * kWidth), static_cast<int>(fy * kHeight));
  }

  std::deque<std::string> texturePaths_;  // where the squares' texture names live
  TextureList textures_;
  TextureCache cache_;
  RenderSettings settings_;
};

TEST_F(DrawingTest, BackFacesAreCulledAndTwoSidedFacesDrawn) {
  std::vector<Polygon> polygons{square(5.0f, 1.0f, kRed, {1, 0, 0})};
  draw(polygons);
  EXPECT_EQ(countLitEverywhere(), 0);
  polygons[0].twoSided = 1;
  draw(polygons);
  EXPECT_EQ(centre(), (Rgba{255, 0, 0, 255}));
}

TEST_F(DrawingTest, WireframeDrawsEdgesOnlyAndUploadsNoTexture) {
  addTexture("hull.bmp");
  std::vector<Polygon> polygons{texturedSquare("hull.bmp", kWhite),
                                square(5.0f, 0.5f, kGreen, {1, 0, 0})};
  settings_.shading = 'w';
  draw(polygons);
  EXPECT_EQ(centre(), (Rgba{0, 0, 0, 255}));
  // The square's edges, the one facing away included, in their own colour and not the texture's.
  EXPECT_GT(countLit(0, 0, kWidth, kHeight), 100);
  EXPECT_LT(countLit(0, 0, kWidth, kHeight), 2000);
  int white = 0;
  int green = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const Rgba p = pixel(x, y);
      white += p == Rgba{255, 255, 255, 255};
      green += p == Rgba{0, 255, 0, 255};
    }
  }
  EXPECT_GT(white, 50);
  EXPECT_GT(green, 20);
  GLint width = -1;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
  EXPECT_EQ(width, 0);
}

TEST_F(DrawingTest, FlatTakesTheFirstColourAndSmoothInterpolates) {
  std::vector<Polygon> polygons{square(5.0f, 1.0f, kRed)};
  polygons[0].vertices[1].colour = kGreen;
  polygons[0].vertices[2].colour = kBlue;
  polygons[0].vertices[3].colour = kWhite;
  polygons[0].smooth = 1;
  settings_.shading = 'f';
  draw(polygons);
  EXPECT_EQ(at(0.6f, 0.4f), (Rgba{255, 0, 0, 255}));

  clearFrame(0, 0, 0, 0);
  settings_.shading = 's';
  draw(polygons);
  const Rgba mixed = centre();  // halfway between the red and the blue corner
  EXPECT_NEAR(mixed[0], 128, 8);
  EXPECT_NEAR(mixed[2], 128, 8);

  clearFrame(0, 0, 0, 0);
  polygons[0].smooth = 0;  // smooth mode interpolates only the smooth faces
  draw(polygons);
  EXPECT_EQ(centre(), (Rgba{255, 0, 0, 255}));
}

TEST_F(DrawingTest, BlendedFacesAreDrawnAfterOpaqueOnesWithinAPass) {
  // The translucent face is nearer and comes first; drawn first it would hide the red one behind
  // the depth test instead of showing through.
  std::vector<Polygon> polygons{square(5.0f, 1.0f, {0.0f, 1.0f, 0.0f, 0.5f}),
                                square(10.0f, 4.0f, kRed), square(20.0f, 0.1f, kBlue, {1, 0, 0})};
  polygons[0].blend = 1;
  draw(polygons);
  const Rgba p = centre();
  EXPECT_NEAR(p[0], 128, 2);
  EXPECT_NEAR(p[1], 128, 2);
}

TEST_F(DrawingTest, TexturedFaceShowsItsTexelsModulatedByTheLitColour) {
  addTexture("hull.bmp");
  std::vector<Polygon> polygons{texturedSquare("hull.bmp", {1.0f, 0.5f, 1.0f, 1.0f})};
  draw(polygons);
  EXPECT_EQ(at(0.45f, 0.55f), (Rgba{255, 0, 0, 255}));      // bottom left texel, red
  EXPECT_EQ(at(0.55f, 0.55f), (Rgba{0, 128, 0, 255}));      // bottom right, green at half
  EXPECT_EQ(at(0.45f, 0.45f), (Rgba{0, 0, 255, 255}));      // top left, blue
  EXPECT_EQ(at(0.55f, 0.45f), (Rgba{255, 128, 255, 255}));  // top right, white
}

TEST_F(DrawingTest, TClampsOrRepeatsWithTheSettingWhileSAlwaysRepeats) {
  addTexture("hull.bmp");
  std::vector<Polygon> polygons{texturedSquare("hull.bmp", kWhite)};
  for (PolygonVertex& v : polygons[0].vertices) {
    v.u *= 2.0f;
    v.v *= 2.0f;
  }
  // The square spans the middle of the view; 1/8 of the way from its top, t is 1.75 and s 0.25.
  const float square = 2.0f * 1.0f / (2.0f * 5.0f * std::tan(22.5f * 3.14159265f / 180.0f));
  const float fy = 0.5f - square / 2.0f + square / 8.0f;
  const float fx = 0.5f - (square / 2.0f) / viewport_.aspect + (square / 8.0f) / viewport_.aspect;
  draw(polygons);
  EXPECT_EQ(at(fx, fy), (Rgba{0, 0, 255, 255}));                // t clamped to the top row
  const float right = fx + (square / 2.0f) / viewport_.aspect;  // s 1.25 repeats as 0.25
  EXPECT_EQ(at(right, fy), (Rgba{0, 0, 255, 255}));

  clearFrame(0, 0, 0, 0);
  settings_.clampTextures = 0;
  draw(polygons);
  EXPECT_EQ(at(fx, fy), (Rgba{0, 0, 255, 255}));  // t 1.75 repeats as 0.75: still the top row
  const float lower = fy + square / 4.0f;         // t 1.25 repeats as 0.25: the bottom row
  EXPECT_EQ(at(fx, lower), (Rgba{255, 0, 0, 255}));
  settings_.clampTextures = 1;
  clearFrame(0, 0, 0, 0);
  draw(polygons);
  EXPECT_EQ(at(fx, lower), (Rgba{0, 0, 255, 255}));
}

TEST_F(DrawingTest, FacesOfATextureMissingFromTheListAreNotDrawn) {
  addTexture("hull.bmp");
  std::vector<Polygon> polygons{texturedSquare("wing.bmp", kWhite)};
  draw(polygons);
  EXPECT_EQ(countLitEverywhere(), 0);
}

TEST_F(DrawingTest, FacesOfAnUnreadableTextureAreDrawnInTheirLitColour) {
  TextureEntry& entry = addTexture("hull.bmp");
  entry.loaded = false;
  entry.rgbPixels.clear();
  std::vector<Polygon> polygons{texturedSquare("hull.bmp", {0.0f, 0.5f, 1.0f, 1.0f})};
  draw(polygons);
  EXPECT_EQ(centre(), (Rgba{0, 128, 255, 255}));
}

TEST_F(DrawingTest, TexturesSwitchedOffDrawTexturedFacesUntextured) {
  addTexture("hull.bmp");
  std::vector<Polygon> polygons{texturedSquare("hull.bmp", {0.0f, 0.5f, 1.0f, 1.0f})};
  settings_.textures = 0;
  draw(polygons);
  EXPECT_EQ(at(0.45f, 0.55f), (Rgba{0, 128, 255, 255}));
}

TEST(DrawOrder, BlendedPolygonsMoveBehindTheLastInTheirOrder) {
  Polygon p[5];
  p[0].blend = 1;
  p[2].blend = 1;
  p[4].blend = 1;
  DrawList list{&p[0], &p[1], &p[2], &p[3], &p[4]};
  orderBlendedLast(list);
  EXPECT_EQ(list, (DrawList{&p[1], &p[3], &p[4], &p[0], &p[2]}));

  p[4].blend = 0;
  DrawList opaqueLast{&p[0], &p[1], &p[4]};
  orderBlendedLast(opaqueLast);
  EXPECT_EQ(opaqueLast, (DrawList{&p[1], &p[4], &p[0]}));
}

TEST(DrawOrder, CullKeepsEveryFaceThatCanReachAPixel) {
  Polygon near = square(7999.0f, 1.0f, kRed);
  near.vertices[2].position[0] = 20000.0f;
  Polygon far = square(8000.0f, 0.0f, kRed);
  Polygon behind = square(-5.0f, 1.0f, kRed);
  Polygon wall = square(5.0f, 100.0f, kRed);  // every corner outside, the middle in view
  Polygon aside = square(5.0f, 1.0f, kRed);
  Polygon onEdge = square(5.0f, 1.0f, kRed);
  for (PolygonVertex& vertex : aside.vertices) vertex.position[2] += 4.0f;
  for (PolygonVertex& vertex : onEdge.vertices) vertex.position[2] += 2.5f;
  DrawList list{&near, &far, &behind, &wall, &aside, &onEdge};
  cullOutsideView(list, ViewVolume(cameraAt({0.0f, 0.0f, 0.0f}), 1.0f));
  std::vector<int> visible;
  for (const Polygon* polygon : list) visible.push_back(polygon->visible);
  EXPECT_EQ(visible, (std::vector<int>{1, 0, 0, 1, 0, 1}));
}

}  // namespace
}  // namespace vev::test
