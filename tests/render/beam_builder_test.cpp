#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "render/shape_builders.h"
#include "scene_fixture.h"

namespace vev::test {
namespace {

// A beam 4 long, 1 high and 0.5 thick with equal ends, seen from far enough away that every
// rounded end takes 45 degree steps (r = 1 / 1000).
std::unique_ptr<SceneNode> beamNode(const std::string& kind) {
  return makeNode(kind, {4.0f, 0.5f, 0.5f, 1.0f, 1.0f, 0.0f});
}

std::vector<Polygon> build(SceneNode& node, const Pose& camera, char shading = 's',
                           int simpleShapes = 0) {
  std::vector<Polygon> polygons;
  const BuildContext context = contextFor(camera, shading, simpleShapes);
  if (node.kind.find("ROUND") != std::string::npos) {
    buildRoundBeam(node, polygons, context);
  } else {
    buildQuadBeam(node, polygons, context);
  }
  return polygons;
}

const Pose kFarCamera = cameraAt({0.0f, 1000.0f, 0.0f});

std::vector<Vec3> faceNormals(const std::vector<Polygon>& polygons) {
  std::vector<Vec3> normals;
  for (const Polygon& p : polygons) {
    normals.push_back({std::round(p.normal[0] * 100) / 100, std::round(p.normal[1] * 100) / 100,
                       std::round(p.normal[2] * 100) / 100});
  }
  return normals;
}

TEST(QuadBeamBuilder, QuadBeamIsABoxOfSixFacesInOrder) {
  auto node = beamNode("QUADBEAM");
  const auto polygons = build(*node, kFarCamera);
  EXPECT_EQ(
      faceNormals(polygons),
      (std::vector<Vec3>{{0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}, {-1, 0, 0}, {1, 0, 0}}));
  EXPECT_EQ(polygons[0].vertices[2].position, (Vec3{4.0f, 0.5f, -0.25f}));
  for (const Polygon& p : polygons) {
    EXPECT_EQ(p.twoSided, 0);
    EXPECT_EQ(p.smooth, 0);
    EXPECT_EQ(p.collision, 1);
    EXPECT_EQ(p.lightingDone, 1);
  }
  node->kind = "HANGED";
  EXPECT_EQ(build(*node, kFarCamera).size(), 6u);
}

// With 45 degree steps a semicircular cap has its top point and five points round the arc, and
// a band four faces.
TEST(QuadBeamBuilder, EachKindGetsItsSidesNosesTailsAndCaps) {
  struct Case {
    const char* kind;
    std::size_t faces;
  };
  // QUADBEAMSM: 4 sides, nose 2 caps + 4 band, end cap. SMQUADBEAM: 4 sides, 6 nose, 6 tail.
  // SMQUADBEAML: top and bottom, nose band, tail band.
  for (const Case& c : {Case{"QUADBEAMSM", 11}, Case{"SMQUADBEAM", 16}, Case{"SMQUADBEAML", 10}}) {
    auto node = beamNode(c.kind);
    EXPECT_EQ(build(*node, kFarCamera).size(), c.faces) << c.kind;
  }
  auto node = beamNode("QUADBEAMSM");
  const auto polygons = build(*node, kFarCamera);
  ASSERT_EQ(polygons.size(), 11u);
  // The nose: the cap at +z (flat), the cap at -z (smooth), the band bulging towards -x.
  EXPECT_EQ(polygons[4].vertices.size(), 6u);
  EXPECT_EQ(polygons[4].smooth, 0);
  EXPECT_EQ(polygons[5].smooth, 1);
  EXPECT_NEAR(polygons[5].vertices[3].position[0], -0.5f, 1e-6f);  // the arc's leading point
  EXPECT_NEAR(polygons[5].vertices[3].position[2], -0.25f, 1e-6f);
  EXPECT_EQ(polygons[6].smooth, 1);
  EXPECT_NEAR(polygons[6].normal[0], -std::sin(22.5f * 0.01745328f), 1e-5f);
  EXPECT_NEAR(polygons[6].vertices[0].normal[1], 1.0f, 1e-6f);  // each corner its own angle
  EXPECT_NEAR(polygons[6].vertices[2].normal[0], -std::sin(45.0f * 0.01745328f), 1e-5f);
  EXPECT_EQ(faceNormals(polygons).back(), (Vec3{1, 0, 0}));  // the end cap

  node = beamNode("SMQUADBEAM");
  const auto rounded = build(*node, kFarCamera);
  // The tail bulges beyond x = L, and both of its caps are flat.
  EXPECT_NEAR(rounded[13].vertices[3].position[0], 4.5f, 1e-6f);
  EXPECT_EQ(rounded[10].smooth, 0);
  EXPECT_EQ(rounded[11].smooth, 0);
}

TEST(QuadBeamBuilder, ZeroLengthKeepsOnlyNosesAndCaps) {
  auto node = makeNode("QUADBEAM", {0.0f, 0.5f, 0.5f, 1.0f, 1.0f, 0.0f});
  EXPECT_EQ(faceNormals(build(*node, kFarCamera)), (std::vector<Vec3>{{-1, 0, 0}, {1, 0, 0}}));
  node->kind = "SMQUADBEAML";
  EXPECT_EQ(build(*node, kFarCamera).size(), 8u);
}

TEST(QuadBeamBuilder, TaperedAndOpenKindsAreTwoSided) {
  auto node = makeNode("QUADBEAM", {4.0f, 0.5f, 0.5f, 1.0f, 2.0f, 0.0f});
  EXPECT_EQ(build(*node, kFarCamera)[0].twoSided, 1);
  node = makeNode("QUADBEAM", {4.0f, 0.5f, 0.3f, 1.0f, 1.0f, 0.0f});
  EXPECT_EQ(build(*node, kFarCamera)[0].twoSided, 1);
  node = makeNode("QUADBEAM", {4.0f, 0.5f, 0.5f, 0.0f, 0.0f, 0.0f});  // zero far height
  EXPECT_EQ(build(*node, kFarCamera)[0].twoSided, 1);
  node = beamNode("SMQUADBEAML");
  EXPECT_EQ(build(*node, kFarCamera)[0].twoSided, 1);
}

TEST(QuadBeamBuilder, CameraAtTheOriginRefinesTheNoseAndAtTheFarEndCoarsensTheTail) {
  auto node = beamNode("SMQUADBEAML");
  // Nose 5 degrees: 36 band faces; tail from (4, 0, 0) at distance 4, r = 0.25: 10 degrees.
  EXPECT_EQ(build(*node, cameraAt({0.0f, 0.0f, 0.0f})).size(), 2u + 36u + 18u);
  // Tail at zero distance: 45 degrees; nose at distance 4: 10 degrees.
  EXPECT_EQ(build(*node, cameraAt({4.0f, 0.0f, 0.0f})).size(), 2u + 18u + 4u);
  EXPECT_EQ(build(*node, cameraAt({0.0f, 0.0f, 0.0f}), 's', 1).size(), 2u + 4u + 4u);
}

TEST(BeamBuilders, SlotsNoKeywordWroteAreZero) {
  // No heights: the box of a beam without its second cell is flat, but it is still built.
  auto node = makeNode("SMQUADBEAM", {4.0f, 0.5f, 0.5f});
  EXPECT_FALSE(build(*node, kFarCamera).empty());
  // Without `nose`, a nosed tube's nose has length 0 and its tip on the axis.
  auto withNose = makeNode("SMROUNDBEAMC", {4.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f});
  auto withoutNose = makeNode("SMROUNDBEAMC", {4.0f, 1.0f, 1.0f, 1.0f, 1.0f});
  const auto expected = build(*withNose, kFarCamera);
  const auto built = build(*withoutNose, kFarCamera);
  ASSERT_EQ(built.size(), expected.size());
  ASSERT_FALSE(built.empty());
  EXPECT_EQ(built.back().vertices[0].position, expected.back().vertices[0].position);
}

TEST(RoundBeamBuilder, EachKindGetsItsSlicesAndCaps) {
  struct Case {
    const char* kind;
    std::size_t faces;
    int twoSided;
  };
  // 18 slices of 20 degrees: the side, then start and end caps, and for SMROUNDBEAMC the nose
  // triangle, the first ring and seven more rings.
  for (const Case& c : {Case{"ROUNDBEAM", 18, 1}, Case{"CROUNDBEAM", 36, 1},
                        Case{"CROUNDBEAMC", 54, 0}, Case{"SMROUNDBEAMC", 18 * 11, 0}}) {
    auto node = makeNode(c.kind, {4.0f, 0.5f, 0.5f, 1.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f});
    const auto polygons = build(*node, kFarCamera);
    EXPECT_EQ(polygons.size(), c.faces) << c.kind;
    EXPECT_EQ(polygons[0].twoSided, c.twoSided) << c.kind;
  }
  auto node = makeNode("SMROUNDBEAMC", {4.0f, 0.5f, 0.5f, 1.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f});
  EXPECT_EQ(build(*node, kFarCamera, 's', 1).size(), 8u * (2 + 3 + 1 + 1));
}

TEST(RoundBeamBuilder, SliceOrderIsNoseStartCapSideEndCap) {
  auto node = makeNode("CROUNDBEAMC", {4.0f, 0.5f, 0.5f, 1.0f, 1.0f, 0.0f});
  const auto polygons = build(*node, kFarCamera);
  EXPECT_EQ(polygons[0].vertices[0].position, (Vec3{0, 0, 0}));
  EXPECT_EQ(polygons[0].smooth, 0);
  EXPECT_EQ(polygons[1].vertices.size(), 4u);
  EXPECT_EQ(polygons[1].smooth, 1);
  EXPECT_EQ(polygons[2].vertices[0].position, (Vec3{4, 0, 0}));

  node = makeNode("SMROUNDBEAMC", {4.0f, 0.5f, 0.5f, 1.0f, 1.0f, 2.0f, 0.3f, 0.0f, 0.0f});
  const auto nosed = build(*node, kFarCamera);
  EXPECT_EQ(nosed[0].vertices.size(), 3u);
  EXPECT_EQ(nosed[0].vertices[0].position, (Vec3{-2.0f, 0.3f, 0.0f}));  // the tip
  // The last ring meets the tube at x = 0 with its full section.
  EXPECT_NEAR(nosed[8].vertices[2].position[0], 0.0f, 1e-6f);
  EXPECT_NEAR(nosed[8].vertices[3].position[1], 0.5f, 1e-6f);
}

TEST(RoundBeamBuilder, TubeWithoutLengthHasNoSides) {
  auto node = makeNode("ROUNDBEAM", {0.0f, 0.5f, 0.5f, 1.0f, 1.0f, 0.0f});
  EXPECT_TRUE(build(*node, kFarCamera).empty());
}

TEST(RoundBeamBuilder, SmoothShadingAveragesNormalsWhereFacetsMeet) {
  auto node = makeNode("CROUNDBEAMC", {4.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f});  // circular
  const auto flat = build(*node, kFarCamera, 'f');
  const auto smooth = build(*node, kFarCamera, 's');
  // The side's first corner (angle 0, on top) joins the slice before it: averaged, it points
  // straight up; unaveraged, it keeps the tilted face normal.
  const Vec3 faceNormal = flat[1].vertices[0].normal;
  EXPECT_NEAR(faceNormal[1], std::cos(10.0f * 0.01745328f), 1e-4f);
  EXPECT_NEAR(faceNormal[2], std::sin(10.0f * 0.01745328f), 1e-4f);
  const Vec3 averaged = smooth[1].vertices[0].normal;
  EXPECT_NEAR(averaged[2], 0.0f, 1e-4f);
  EXPECT_NEAR(averaged[1], std::cos(10.0f * 0.01745328f), 1e-4f);  // a mean, not renormalised
  // The flat caps keep their own normals.
  EXPECT_EQ(smooth[0].vertices[1].normal, (Vec3{-1, 0, 0}));
}

TEST(RoundBeamBuilder, TwoSidedFacetsTurnTheirNormalsTowardsTheCamera) {
  auto node = makeNode("ROUNDBEAM", {4.0f, 0.5f, 0.5f, 1.0f, 1.0f, 0.0f});
  const auto polygons = build(*node, kFarCamera, 'f');
  // Seen from above, the facets on top face up and so do the ones underneath, reversed.
  EXPECT_GT(polygons[0].normal[1], 0.9f);
  EXPECT_GT(polygons[9].normal[1], 0.9f);
}

TEST(RoundBeamBuilder, OnlyWireOneMakesOutlines) {
  auto node = makeNode("ROUNDBEAM", {4.0f, 0.5f, 0.5f, 1.0f, 1.0f, 0.0f});
  node->shape->wire = 2;
  EXPECT_EQ(build(*node, kFarCamera)[0].outline, 0);
  node->shape->wire = 1;
  EXPECT_EQ(build(*node, kFarCamera)[0].outline, 1);
}

TEST(RoundBeamBuilder, MappingFiveTexturesFromWorldPoints) {
  auto node = makeNode("ROUNDBEAM", {4.0f, 0.5f, 0.5f, 1.0f, 1.0f, 0.0f}, {10.0f, 0.0f, 0.0f});
  node->shape->mapping = 5;
  node->shape->texturePath = "pipe.bmp";
  node->shape->mapPoints = {Vec3{10, 0, 0}, Vec3{14, 0, 0}, Vec3{}, Vec3{10, 1, 0}};
  const Polygon side = build(*node, kFarCamera)[0];
  EXPECT_EQ(side.textured, 1);
  EXPECT_EQ(side.texture, &node->shape->texturePath);
  EXPECT_FLOAT_EQ(side.vertices[2].u, 1.0f);  // the far end
  EXPECT_NEAR(side.vertices[0].v, 0.5f, 1e-6f);
}

}  // namespace
}  // namespace vev::test
