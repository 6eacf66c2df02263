#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "render/shape_builders.h"
#include "scene_fixture.h"

namespace vev::test {
namespace {

const Pose kFarCamera = cameraAt({0.0f, 1000.0f, 0.0f});

std::vector<Polygon> buildWith(void (*builder)(SceneNode&, std::vector<Polygon>&,
                                               const BuildContext&),
                               SceneNode& node, const Pose& camera = kFarCamera) {
  std::vector<Polygon> polygons;
  builder(node, polygons, contextFor(camera));
  return polygons;
}

// A RETIBEAM 2 long, 1 high and 1 thick at both ends with the given cell counts.
std::unique_ptr<SceneNode> lattice(float n, float m, float p) {
  return makeNode("RETIBEAM", {2.0f, 1.0f, 1.0f, 1.0f, 1.0f, n, m, p, 0.0f});
}

using Segment = std::pair<Vec3, Vec3>;

std::set<Segment> segmentsOf(const std::vector<Polygon>& polygons) {
  std::set<Segment> segments;
  for (const Polygon& polygon : polygons) {
    const auto& v = polygon.vertices;
    const std::size_t edges = v.size() == 2 ? 1 : v.size();
    for (std::size_t i = 0; i < edges; ++i) {
      Vec3 a = v[i].position;
      Vec3 b = v[(i + 1) % v.size()].position;
      if (b < a) std::swap(a, b);
      segments.insert({a, b});
    }
  }
  return segments;
}

TEST(LatticeBuilder, OneCellIsABoxOutlineWithBothDiagonalsOnEveryFace) {
  auto node = lattice(1, 1, 1);
  const auto polygons = buildWith(buildRetiBeam, *node);
  EXPECT_EQ(polygons.size(), 16u);
  const std::set<Segment> segments = segmentsOf(polygons);
  // 12 edges and 12 face diagonals, nothing else.
  EXPECT_EQ(segments.size(), 24u);
  const auto corner = [](int x, int y, int z) { return Vec3{2.0f * x, y - 0.5f, z - 0.5f}; };
  const auto has = [&](Vec3 a, Vec3 b) {
    if (b < a) std::swap(a, b);
    return segments.count({a, b}) == 1;
  };
  for (int fixed = 0; fixed < 3; ++fixed) {
    for (int side = 0; side < 2; ++side) {
      // The face where axis `fixed` is at `side`, with its corners in order round it.
      Vec3 c[4];
      const int round[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
      for (int i = 0; i < 4; ++i) {
        int xyz[3];
        xyz[fixed] = side;
        xyz[(fixed + 1) % 3] = round[i][0];
        xyz[(fixed + 2) % 3] = round[i][1];
        c[i] = corner(xyz[0], xyz[1], xyz[2]);
      }
      for (int i = 0; i < 4; ++i) EXPECT_TRUE(has(c[i], c[(i + 1) % 4])) << fixed << side << i;
      EXPECT_TRUE(has(c[0], c[2])) << fixed << side;
      EXPECT_TRUE(has(c[1], c[3])) << fixed << side;
    }
  }
  for (const Polygon& p : polygons) {
    EXPECT_EQ(p.outline, 1);
    EXPECT_EQ(p.collision, 0);
    EXPECT_EQ(p.textured, 0);
    EXPECT_EQ(p.twoSided, 0);
  }
}

TEST(LatticeBuilder, CountsFollowTheCellsAndAreBounded) {
  // Per cell before the last section: its end face and diagonals, the face towards the next
  // section and its diagonals, the far column's face, two diagonals underneath and two on top.
  auto node = lattice(2, 1, 1);
  EXPECT_EQ(buildWith(buildRetiBeam, *node).size(), 13u + 13u + 3u);
  node = lattice(1, 2, 3);
  // 6 cells; 2 at the far column, 3 on the top row; then the far section's 6 faces.
  EXPECT_EQ(buildWith(buildRetiBeam, *node).size(), 6u * 8u + 2u * 3u + 3u * 2u + 6u * 3u);
  node = lattice(0, 2, 2);  // a single grid at x = 0
  EXPECT_EQ(buildWith(buildRetiBeam, *node).size(), 4u * 3u);
  node = lattice(1.9f, 1.2f, 1.5f);  // whole numbers of cells
  EXPECT_EQ(buildWith(buildRetiBeam, *node).size(), 16u);
  for (const auto& counts :
       {std::array<float, 3>{1, 0, 1}, {1, 1, -3}, {1e9f, 1e9f, 1e9f}, {100, 100, 1}}) {
    node = lattice(counts[0], counts[1], counts[2]);
    EXPECT_TRUE(buildWith(buildRetiBeam, *node).empty()) << counts[0] << " " << counts[1];
  }
  EXPECT_EQ(whyNeverDrawn(*node),
            "RETIBEAM without a name has more than 4096 cells and is not drawn");
  node = makeNode("RETIBEAM", {2.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f});  // no third cell
  EXPECT_TRUE(buildWith(buildRetiBeam, *node).empty());
  EXPECT_EQ(whyNeverDrawn(*node),
            "RETIBEAM without a name has no cells (a `cell` count below 1) and is not drawn");
}

TEST(LatticeBuilder, LinesAreColouredByTheViewAlongTheLight) {
  auto node = lattice(1, 1, 1);
  node->shape->diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
  // The light shines along -z: seen from far above, across it; from +z, along it; from -z,
  // against it, which darkens below the ambient level.
  const auto across = buildWith(buildRetiBeam, *node, cameraAt({1.0f, 1000.0f, 0.0f}));
  EXPECT_NEAR(across[0].vertices[0].colour[0], 0.6f, 1e-3f);
  const auto along = buildWith(buildRetiBeam, *node, cameraAt({1.0f, 0.0f, 1000.0f}));
  EXPECT_NEAR(along[0].vertices[0].colour[0], 1.0f, 1e-3f);
  const auto against = buildWith(buildRetiBeam, *node, cameraAt({1.0f, 0.0f, -1000.0f}));
  EXPECT_NEAR(against[0].vertices[0].colour[0], 0.2f, 1e-3f);
  node->shape->lit = 1;
  node->shape->ambient = {0.2f, 0.2f, 0.2f, 1.0f};
  node->shape->diffuse[3] = 0.5f;
  const auto translucent = buildWith(buildRetiBeam, *node);
  EXPECT_FLOAT_EQ(translucent[0].vertices[0].colour[0], 1.0f);  // f = 1 with the own ambient
  EXPECT_EQ(translucent[0].blend, 1);
}

TEST(JetBuilder, FlameFollowsTheThrottle) {
  auto node = makeNode("JET", {0.0f, 2.0f, 3.0f}, {5.0f, 0.0f, 0.0f});
  node->shape->diffuse = {1.0f, 1.0f, 0.0f, 1.0f};
  node->shape->specular = {1.0f, 0.0f, 0.0f, 0.5f};
  auto polygons = buildWith(buildJet, *node);
  ASSERT_EQ(polygons.size(), 8u);  // far away: 45 degree steps
  EXPECT_EQ(polygons[0].vertices[0].position, (Vec3{5.0f, 0.0f, 0.0f}));  // no throttle yet
  EXPECT_NEAR(polygons[0].vertices[1].position[1], 1.0f, 1e-6f);          // radius D / 2
  EXPECT_EQ(polygons[0].vertices[0].colour, node->shape->diffuse);
  EXPECT_EQ(polygons[0].vertices[2].colour, node->shape->specular);
  EXPECT_EQ(polygons[0].smooth, 1);
  EXPECT_EQ(polygons[0].twoSided, 1);
  EXPECT_EQ(polygons[0].blend, 1);
  EXPECT_EQ(polygons[0].lightingDone, 1);
  EXPECT_EQ(polygons[0].collision, 0);

  node->throttle = std::make_unique<JetThrottle>(JetThrottle{0.5f});
  polygons = buildWith(buildJet, *node);
  EXPECT_EQ(polygons[3].vertices[0].position, (Vec3{6.5f, 0.0f, 0.0f}));
  // Near the flame (r = 2 / 3 from one unit along it), 5 degree steps.
  EXPECT_EQ(buildWith(buildJet, *node, cameraAt({6.0f, 0.0f, 3.0f})).size(), 72u);
}

class ExplosionBuilderTest : public ::testing::Test {
 protected:
  ExplosionBuilderTest() {
    node_ = makeNode("EXPLOSION", {0.0f, 0.4f, 1.0f, 0.0f, 6.0f, 0.0f}, {0.0f, 0.0f, 0.0f});
    camera_.tangent = {0.0f, 0.0f, -1.0f};
    camera_.normal = {1.0f, 0.0f, 0.0f};
    camera_.binormal = {0.0f, -1.0f, 0.0f};
  }

  // The disc's diameter this frame, measured from its rim.
  float frame() {
    const auto polygons = buildWith(buildExplosion, *node_, camera_);
    if (polygons.empty()) return -1.0f;
    return 2.0f * length(polygons[0].vertices[1].position - polygons[0].vertices[0].position);
  }

  std::unique_ptr<SceneNode> node_;
  Pose camera_ = cameraAt({0.0f, 0.0f, 500.0f});
};

TEST_F(ExplosionBuilderTest, IdleExplosionIsADiscOfNoSize) {
  EXPECT_FLOAT_EQ(frame(), 0.0f);
  EXPECT_FLOAT_EQ(node_->params[0][0], 0.0f);
}

TEST_F(ExplosionBuilderTest, DiscGrowsToSizeAtMaxThenShrinksByTheClock) {
  const auto diameterAt = [this](float clock) {
    node_->params[0][0] = clock;
    return frame();
  };
  EXPECT_NEAR(diameterAt(0.08f), 0.08f * 6.0f / 0.4f, 1e-3f);
  EXPECT_NEAR(diameterAt(0.4f), 6.0f, 1e-3f);
  EXPECT_NEAR(diameterAt(0.44f), (1.0f - 0.04f) * 6.0f, 1e-3f);
  EXPECT_FLOAT_EQ(node_->params[0][0], 0.44f) << "the builder leaves the clock alone";
}

TEST_F(ExplosionBuilderTest, DiscFacesTheCameraAndTheNodeKeepsItsAxes) {
  node_->params[0][0] = 0.2f;
  const auto polygons = buildWith(buildExplosion, *node_, camera_);
  EXPECT_EQ(node_->pose->tangent, (Vec3{1.0f, 0.0f, 0.0f}));
  // Every rim point lies in the plane across the view.
  for (const Polygon& p : polygons) EXPECT_NEAR(p.vertices[1].position[2], 0.0f, 1e-6f);
}

TEST_F(ExplosionBuilderTest, ZeroMaxOrTimeGivesNoNaN) {
  node_->params[0] = {0.04f, 0.0f, 1.0f};
  EXPECT_FALSE(std::isnan(frame()));
  node_->params[0] = {0.0f, -1.0f, 0.0f};
  EXPECT_FALSE(std::isnan(frame()));
}

TEST(LaserCannonBuilder, OneLineBackAlongTheCannon) {
  auto node = makeNode("LASERCANNON", {0.0f, 0.0f, 30.0f}, {1.0f, 2.0f, 3.0f});
  node->shape->specular = {0.0f, 0.0f, 0.0f, 0.5f};
  const auto polygons = buildWith(buildLaserCannon, *node);
  ASSERT_EQ(polygons.size(), 1u);
  const Polygon& line = polygons[0];
  EXPECT_EQ(line.outline, 1);
  EXPECT_EQ(line.blend, 1);
  EXPECT_EQ(line.lightingDone, 1);
  EXPECT_EQ(line.collision, 0);
  ASSERT_EQ(line.vertices.size(), 2u);
  EXPECT_EQ(line.vertices[0].position, (Vec3{1.0f, 2.0f, 3.0f}));
  EXPECT_EQ(line.vertices[1].position, (Vec3{-29.0f, 2.0f, 3.0f}));
  EXPECT_EQ(line.vertices[1].colour, node->shape->diffuse);
}

}  // namespace
}  // namespace vev::test
