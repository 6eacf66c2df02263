#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "gl_test_context.h"
#include "model/texture_list.h"
#include "render/polygon_drawing.h"
#include "render/polygon_lighting.h"
#include "render/shape_builders.h"
#include "scene_fixture.h"

namespace vev::test {
namespace {

// A 2 x 2 quad centred on the origin whose front faces (0, 0.6, 0.8), so that the light shining
// along -z falls on it at d = 0.8, seen from the front along its normal.
class LitQuadTest : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    lookFrom({0.0f, 3.0f, 4.0f}, {0.0f, -0.6f, -0.8f}, {0.0f, 0.8f, -0.6f});
    node_ = makeNode("QUAD", {0.0f, 0.0f, 0.0f});
    node_->pose->normal = {0.0f, 0.8f, -0.6f};
    node_->pose->binormal = {0.0f, 0.6f, 0.8f};
    setVertices(*node_, {{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}});
    node_->shape->diffuse = {0.8f, 0.4f, 0.2f, 1.0f};
    node_->shape->specular = {0.3f, 0.3f, 0.3f, 1.0f};
  }

  Polygon& build() {
    polygons_.clear();
    buildQuad(*node_, polygons_, contextFor(camera_));
    return polygons_.front();
  }

  void draw() {
    DrawList list;
    for (Polygon& p : polygons_) list.push_back(&p);
    drawPolygonList(list, ViewVolume(camera_, viewport_.aspect), cache_, textures_, settings_);
  }

  // The colour the light gives a vertex at `position`, computed here in double precision.
  std::array<double, 3> expectedColour(const Vec3& position, int lit) const {
    const double normal[3] = {0.0, 0.6, 0.8};
    const double d = 0.8;  // -(L . N) with L = (0, 0, -1)
    double view[3];
    double len = 0.0;
    for (int i = 0; i < 3; ++i) {
      view[i] = position[i] - camera_.position[i];
      len += view[i] * view[i];
    }
    double s = 0.0;
    for (int i = 0; i < 3; ++i) s -= normal[i] * view[i] / std::sqrt(len);
    s = std::max(s, 0.0);
    const double h = lit == 1 ? (s <= d ? s / d : d / s) : 0.0;
    const double ambient[3] = {0.6, 0.6, 0.75};
    const auto& shape = *node_->shape;
    std::array<double, 3> colour{};
    for (int c = 0; c < 3; ++c) {
      colour[c] = (ambient[c] + (1.0 - ambient[c]) * d) * shape.diffuse[c] + h * shape.specular[c];
    }
    return colour;
  }

  void expectCentreColour(const std::array<double, 3>& colour) const {
    const Rgba p = centre();
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(p[c], colour[c] * 255.0, 1.0) << "channel " << c;
  }

  std::unique_ptr<SceneNode> node_;
  std::vector<Polygon> polygons_;
  TextureList textures_;
  TextureCache cache_;
  RenderSettings settings_;
};

TEST_F(LitQuadTest, DiffuseLightingMatchesAtTheCentrePixel) {
  node_->shape->lit = 0;
  const Polygon& quad = build();
  draw();
  expectCentreColour(expectedColour(quad.vertices.front().position, 0));
}

TEST_F(LitQuadTest, HighlightIsAddedForLitOne) {
  node_->shape->lit = 1;
  const Polygon& quad = build();
  draw();
  const auto colour = expectedColour(quad.vertices.front().position, 1);
  expectCentreColour(colour);
  // The highlight makes it brighter than the same face without one.
  EXPECT_GT(colour[2], expectedColour(quad.vertices.front().position, 0)[2] + 0.05);
}

TEST_F(LitQuadTest, OtherLitValuesKeepTheDiffuseColour) {
  node_->shape->lit = 3;
  node_->shape->diffuse[3] = 0.5f;
  const Polygon& quad = build();
  EXPECT_EQ(quad.vertices[2].colour, node_->shape->diffuse);
  EXPECT_EQ(quad.blend, 1);
}

TEST_F(LitQuadTest, TwoSidedFaceSeenFromBehindIsLitWithItsNormalReversed) {
  node_->params[0][2] = 1.0f;  // backface
  node_->pose->normal = {0.0f, -0.8f, 0.6f};
  node_->pose->binormal = {0.0f, -0.6f, -0.8f};
  node_->pose->tangent = {-1.0f, 0.0f, 0.0f};
  Polygon& quad = build();
  EXPECT_NEAR(quad.normal[2], -0.8f, 1e-6f);  // faces away from the camera
  draw();
  // The back is lit exactly as the front would be.
  expectCentreColour(expectedColour(quad.vertices.front().position, 0));
}

TEST_F(LitQuadTest, OneSidedFaceSeenFromBehindIsNotDrawn) {
  node_->pose->normal = {0.0f, -0.8f, 0.6f};
  node_->pose->binormal = {0.0f, -0.6f, -0.8f};
  node_->pose->tangent = {-1.0f, 0.0f, 0.0f};
  build();
  draw();
  EXPECT_EQ(countLitEverywhere(), 0);
}

TEST_F(LitQuadTest, PolygonIsLitOnlyOnce) {
  Polygon& quad = build();
  const auto colour = quad.vertices.front().colour;
  node_->shape->diffuse = {0.0f, 0.0f, 0.0f, 1.0f};
  lightPolygons(std::span(&quad, 1), camera_, {0.0f, 0.0f, -1.0f});
  EXPECT_EQ(quad.vertices.front().colour, colour);
}

// Outlines take their brightness from the view running along the light, not from a normal.
TEST(OutlineLighting, BrightnessFollowsTheViewAlongTheLight) {
  SceneNode node;
  node.shape = plainShape(1.0f, 0.5f, 0.0f);
  Polygon line;
  line.owner = &node;
  line.outline = 1;
  line.vertices = {{{0.0f, 0.0f, -10.0f}}, {{0.0f, 10.0f, 0.0f}}};
  Pose camera = cameraAt({0.0f, 0.0f, 0.0f});
  lightPolygons(std::span(&line, 1), camera, {0.0f, 0.0f, -1.0f});
  // Straight along the light: full brightness; across it: the ambient level only.
  EXPECT_FLOAT_EQ(line.vertices[0].colour[0], 1.0f);
  EXPECT_FLOAT_EQ(line.vertices[1].colour[0], 0.6f);
  EXPECT_FLOAT_EQ(line.vertices[1].colour[1], 0.3f);
  EXPECT_EQ(line.blend, 0);
}

TEST(OutlineLighting, TranslucentOutlineIsFullyBrightAndBlended) {
  SceneNode node;
  node.shape = plainShape(1.0f, 0.5f, 0.0f, 0.995f);
  Polygon line;
  line.owner = &node;
  line.outline = 1;
  line.textured = 1;
  line.vertices = {{{0.0f, 10.0f, 0.0f}}};
  lightPolygons(std::span(&line, 1), cameraAt({0.0f, 0.0f, 0.0f}), {0.0f, 0.0f, -1.0f});
  EXPECT_FLOAT_EQ(line.vertices[0].colour[1], 0.5f);
  EXPECT_FLOAT_EQ(line.vertices[0].colour[3], 0.995f);
  EXPECT_EQ(line.blend, 1);
  EXPECT_EQ(line.textured, 0);  // the shape has no texture mapping
}

TEST(FilledLighting, VertexAtTheCameraGetsAColourWithoutNaN) {
  SceneNode node;
  node.shape = plainShape(1.0f, 1.0f, 1.0f);
  node.shape->lit = 1;
  node.shape->specular = {1.0f, 1.0f, 1.0f, 1.0f};
  Polygon face;
  face.owner = &node;
  face.twoSided = 1;
  face.vertices = {{{1.0f, 2.0f, 3.0f}, {0.0f, 0.0f, 1.0f}}};
  lightPolygons(std::span(&face, 1), cameraAt({1.0f, 2.0f, 3.0f}), {0.0f, 0.0f, -1.0f});
  for (const float c : face.vertices[0].colour) EXPECT_TRUE(std::isfinite(c));
}

}  // namespace
}  // namespace vev::test
