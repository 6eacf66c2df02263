#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "render/shape_builders.h"
#include "scene_fixture.h"

namespace vev::test {
namespace {

void expectNear(const Vec3& actual, const Vec3& expected, float tolerance = 1e-5f) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], tolerance) << "component " << i;
}

bool hasNaN(const Polygon& polygon) {
  const auto bad = [](const Vec3& v) {
    return std::isnan(v[0]) || std::isnan(v[1]) || std::isnan(v[2]);
  };
  if (bad(polygon.normal)) return true;
  for (const PolygonVertex& v : polygon.vertices) {
    if (bad(v.position) || bad(v.normal) || std::isnan(v.colour[0]) || std::isnan(v.u)) {
      return true;
    }
  }
  return false;
}

class QuadBuilderTest : public ::testing::Test {
 protected:
  QuadBuilderTest() : camera_(cameraAt({0.0f, 0.0f, 10.0f})) {
    node_ = makeNode("QUAD", {0.0f, 0.0f, 0.0f}, {5.0f, 0.0f, 0.0f});
    setVertices(*node_, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
  }

  std::vector<Polygon> build(const BuildContext& context) {
    std::vector<Polygon> polygons;
    buildQuad(*node_, polygons, context);
    return polygons;
  }
  std::vector<Polygon> build() { return build(contextFor(camera_)); }

  Pose camera_;
  std::unique_ptr<SceneNode> node_;
};

TEST_F(QuadBuilderTest, OneLitFaceThroughTheVerticesInTheNodeFrame) {
  const auto polygons = build();
  ASSERT_EQ(polygons.size(), 1u);
  const Polygon& quad = polygons[0];
  ASSERT_EQ(quad.vertices.size(), 4u);
  expectNear(quad.vertices[0].position, {5, 0, 0});
  expectNear(quad.vertices[2].position, {6, 1, 0});
  expectNear(quad.normal, {0, 0, 1});
  expectNear(quad.vertices[3].normal, {0, 0, 1});
  EXPECT_EQ(quad.owner, node_.get());
  EXPECT_EQ(quad.smooth, 0);
  EXPECT_EQ(quad.twoSided, 0);
  EXPECT_EQ(quad.collision, 1);
  EXPECT_EQ(quad.outline, 0);
  EXPECT_EQ(quad.lightingDone, 1);
  // Lit with d = 1: the diffuse colour itself.
  EXPECT_FLOAT_EQ(quad.vertices[0].colour[0], 0.5f);
}

TEST_F(QuadBuilderTest, KindBackfaceAndWireSetTheFlags) {
  node_->kind = "SMQUAD";
  node_->params[0][2] = 1.7f;
  node_->shape->wire = 1;
  node_->pose->collision = 0;
  const Polygon quad = build()[0];
  EXPECT_EQ(quad.smooth, 1);
  EXPECT_EQ(quad.twoSided, 1);
  EXPECT_EQ(quad.outline, 1);
  EXPECT_EQ(quad.collision, 0);
  node_->params[0][2] = 0.7f;  // only the whole-number part counts
  EXPECT_EQ(build()[0].twoSided, 0);
}

TEST_F(QuadBuilderTest, PlainQuadIsOneSidedAndOnlyTooFewVerticesOrNoShapeLeaveItOut) {
  node_->params.clear();  // no `backface` line
  const auto plain = build();
  ASSERT_EQ(plain.size(), 1u);
  EXPECT_EQ(plain[0].twoSided, 0);
  EXPECT_EQ(whyNeverDrawn(*node_), "");
  node_ = makeNode("QUAD", {0.0f});
  node_->name = "fin";
  setVertices(*node_, {{0, 0, 0}, {1, 0, 0}});
  EXPECT_TRUE(build().empty());
  EXPECT_EQ(whyNeverDrawn(*node_), "QUAD \"fin\" has fewer than three vertices and is not drawn");
  setVertices(*node_, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}});
  node_->shape.reset();
  EXPECT_TRUE(build().empty());
}

TEST_F(QuadBuilderTest, DegenerateQuadsProduceNoNaN) {
  setVertices(*node_, {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}});
  camera_.position = {6.0f, 1.0f, 1.0f};  // exactly at the vertices
  node_->shape->lit = 1;
  node_->shape->mapping = 5;  // map points all at the origin
  const auto polygons = build();
  ASSERT_EQ(polygons.size(), 1u);
  EXPECT_FALSE(hasNaN(polygons[0]));

  setVertices(*node_, {{0, 0, 0}, {0, 0, 0}, {1, 1, 0}});  // one edge of zero length
  EXPECT_FALSE(hasNaN(build()[0]));
}

TEST_F(QuadBuilderTest, BackdropKeepsItsPlaceInTheViewAndIsNeverLit) {
  node_->params.push_back({100.0f, 90.0f, 30.0f});  // dist, head, pitch
  node_->shape->diffuse = {0.2f, 0.4f, 0.6f, 1.0f};
  node_->shape->lit = 1;
  const Polygon first = build()[0];
  // At 100 in the direction of heading 90 and pitch 30 from the camera.
  const float c30 = std::cos(30.0f * 0.01745328f);
  const float s30 = std::sin(30.0f * 0.01745328f);
  expectNear(first.vertices[0].position, {0.0f, 100.0f * s30, 10.0f + 100.0f * c30}, 1e-3f);
  EXPECT_EQ(first.collision, 0);
  EXPECT_EQ(first.vertices[1].colour, node_->shape->diffuse);

  camera_.position = {-40.0f, 7.0f, 3.0f};
  const Polygon moved = build()[0];
  for (std::size_t i = 0; i < 4; ++i) {
    expectNear(moved.vertices[i].position - camera_.position,
               first.vertices[i].position - Vec3{0.0f, 0.0f, 10.0f}, 1e-3f);
  }
  EXPECT_EQ(moved.vertices[3].colour, node_->shape->diffuse);
}

TEST_F(QuadBuilderTest, ZeroDistIsAnOrdinaryQuad) {
  node_->params.push_back({0.0f, 90.0f, 30.0f});
  expectNear(build()[0].vertices[0].position, {5, 0, 0});
}

TEST_F(QuadBuilderTest, MappingFiveMapsWorldPointsAndSixLocalPoints) {
  Shape& shape = *node_->shape;
  shape.texturePath = "sw/hull.bmp";
  shape.mapPoints = {Vec3{5, 0, 0}, Vec3{7, 0, 0}, Vec3{0, 0, 0}, Vec3{5, 4, 0}};
  shape.mapping = 5;
  Polygon quad = build()[0];
  EXPECT_EQ(quad.textured, 1);
  ASSERT_NE(quad.texture, nullptr);
  EXPECT_EQ(*quad.texture, "sw/hull.bmp");
  EXPECT_FLOAT_EQ(quad.vertices[0].u, 0.0f);
  EXPECT_FLOAT_EQ(quad.vertices[2].u, 0.5f);
  EXPECT_FLOAT_EQ(quad.vertices[2].v, 0.25f);

  shape.mapping = 6;
  shape.mapPoints = {Vec3{0, 0, 0}, Vec3{2, 0, 0}, Vec3{0, 0, 0}, Vec3{0, 4, 0}};
  quad = build()[0];
  EXPECT_FLOAT_EQ(quad.vertices[2].u, 0.5f);
  EXPECT_FLOAT_EQ(quad.vertices[2].v, 0.25f);

  shape.mapping = 0;
  quad = build()[0];
  EXPECT_EQ(quad.textured, 0);
  EXPECT_EQ(quad.texture, nullptr);
}

}  // namespace
}  // namespace vev::test
