#include <gtest/gtest.h>

#include <map>

#include "app/cli/scene_files.h"
#include "tests/demo/demo_flight.h"

// How the demonstration's craft look: closed hulls face outward, and every craft stands out
// against black space in each shading mode.
namespace vev::demo {
namespace {

// Kinds whose faces close a volume, so that each one-sided face must face away from its part.
bool closesAVolume(const std::string& kind) {
  return kind == "QUADBEAM" || kind == "QUADBEAMSM" || kind == "SMQUADBEAM" || kind == "HANGED" ||
         kind == "CROUNDBEAMC" || kind == "SMROUNDBEAMC";
}

Vec3 centroid(const std::vector<const PolygonVertex*>& vertices) {
  Vec3 sum{};
  for (const PolygonVertex* vertex : vertices) sum = sum + vertex->position;
  return (1.0f / static_cast<float>(vertices.size())) * sum;
}

using CraftLook = DemoFlight;

TEST_F(CraftLook, NoOneSidedFaceOfAClosedPartPointsInward) {
  frames(1);
  for (const Identity* identity : identities()) {
    std::map<const SceneNode*, std::vector<const PolygonVertex*>> parts;
    for (const Polygon& polygon : identity->polygons) {
      for (const PolygonVertex& vertex : polygon.vertices) parts[polygon.owner].push_back(&vertex);
    }
    for (const Polygon& polygon : identity->polygons) {
      if (polygon.outline || polygon.twoSided || !closesAVolume(polygon.owner->kind)) continue;
      std::vector<const PolygonVertex*> corners;
      for (const PolygonVertex& vertex : polygon.vertices) corners.push_back(&vertex);
      const Vec3 outward = centroid(corners) - centroid(parts[polygon.owner]);
      EXPECT_GT(dot(polygon.normal, outward), 0.0f)
          << identity->name << " " << polygon.owner->name << " has a face turned inward";
    }
  }
}

struct CraftView {
  const char* file;
  float distance;  // metres from the craft's origin
};

// Each craft alone, seen from above, ahead and to the right, in every shading mode: most of what
// it covers must be clearly brighter than the black of space.
TEST(CraftAgainstSpace, EveryCraftStandsOutInEveryShadingMode) {
  constexpr int kWidth = 160;
  constexpr int kHeight = 120;
  auto context = OffscreenContext::create(kWidth, kHeight);
  ASSERT_TRUE(context);
  const CraftView craft[] = {{"m-bird.ssp.zsf", 24.0f},
                             {"golden-bird.ssp.zsf", 22.0f},
                             {"black-bird.ssp.zsf", 24.0f},
                             {"cyphora.ssp.zsf", 22.0f},
                             {"cruiser.ssp.zsf", 110.0f}};
  for (const CraftView& shown : craft) {
    for (const char shading : {'s', 'f', 'w'}) {
      ViewState view(std::make_unique<SilentSoundLibrary>());
      ASSERT_TRUE(loadSceneFiles(view, {std::string(VEV_SOURCE_DIR) + "/sw/" + shown.file}));
      resize(view.viewport, kWidth, kHeight);
      view.settings.shading = shading;
      view.settings.panel = 0;
      Pose& eye = view.model.freeCamera;
      Vec3 toward{-0.55f, -0.35f, -0.76f};
      normalise(toward);
      eye.position = (-shown.distance) * toward;
      eye.tangent = toward;
      eye.normal = {0.0f, 1.0f, 0.0f};
      eye.normal = eye.normal - dot(eye.normal, toward) * toward;
      normalise(eye.normal);
      eye.binormal = cross(eye.tangent, eye.normal);
      view.model.activeCamera = &eye;
      drawStillFrame(view);
      context->finish();
      // Drawn: anything but the black of space. Bright: clearly lighter than it.
      int drawn = 0;
      int bright = 0;
      for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
          const auto p = context->pixel(x, y);
          const int level = std::max({p[0], p[1], p[2]});
          drawn += level > 12;
          bright += level > 50;
        }
      }
      EXPECT_GE(drawn, kWidth * kHeight / 100) << shown.file << " is not in view";
      EXPECT_GE(bright, drawn * 3 / 4) << shown.file << " is too dark in shading " << shading;
    }
  }
}

}  // namespace
}  // namespace vev::demo
