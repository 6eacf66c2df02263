#include <gtest/gtest.h>

#include <vector>

#include "render/smooth_normals.h"
#include "scene_fixture.h"

namespace vev::test {
namespace {

// A smooth triangle whose first corner is at `corner`, facing +z or, tilted, partly +x.
Polygon triangle(const Vec3& corner, bool tilted) {
  Polygon p;
  p.smooth = 1;
  const Vec3 b = corner + Vec3{1.0f, 0.0f, tilted ? -1.0f : 0.0f};
  const Vec3 c = corner + Vec3{0.0f, 1.0f, 0.0f};
  p.vertices = {{corner}, {b}, {c}};
  return p;
}

TEST(SmoothNormals, VerticesCloserThanTheMergeDistanceShareTheirMeanNormal) {
  const Pose camera = cameraAt({0.0f, 0.0f, 100.0f});
  // Corners on either side of x = 0.016, closer together than 0.001; a third corner just too far.
  std::vector<Polygon> polygons{triangle({0.0159996f, 0.0f, 0.0f}, false),
                                triangle({0.0160004f, 0.0f, 0.0f}, true),
                                triangle({0.0170010f, 0.0f, 0.0f}, true)};
  smoothNormals(polygons, camera, false);
  EXPECT_NEAR(polygons[0].vertices[0].normal[2], 1.0f, 1e-6f);
  const Vec3 tilted = polygons[1].vertices[0].normal;

  smoothNormals(polygons, camera, true);
  const Vec3 mean = 0.5f * (Vec3{0.0f, 0.0f, 1.0f} + tilted);
  for (int i = 0; i < 2; ++i) {
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(polygons[i].vertices[0].normal[c], mean[c], 1e-5f);
  }
  EXPECT_NEAR(polygons[2].vertices[0].normal[0], tilted[0], 1e-6f);
}

TEST(SmoothNormals, OutlinesAndFlatFacesKeepTheirNormals) {
  std::vector<Polygon> polygons{triangle({0.0f, 0.0f, 0.0f}, false),
                                triangle({0.0f, 0.0f, 0.0f}, true)};
  polygons[1].outline = 1;
  polygons[1].vertices[0].normal = {0.0f, 1.0f, 0.0f};
  smoothNormals(polygons, cameraAt({0.0f, 0.0f, 100.0f}), true);
  EXPECT_EQ(polygons[0].vertices[0].normal, (Vec3{0.0f, 0.0f, 1.0f}));
  EXPECT_EQ(polygons[1].vertices[0].normal, (Vec3{0.0f, 1.0f, 0.0f}));
}

}  // namespace
}  // namespace vev::test
