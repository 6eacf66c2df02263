#include <cmath>
#include <span>

#include "model/deterministic_math.h"
#include "render/level_of_detail.h"
#include "render/polygon_builder.h"
#include "render/polygon_lighting.h"
#include "render/shape_builders.h"
#include "render/smooth_normals.h"

namespace vev {
namespace {

// The elliptic sections of the tube at x = 0 and x = length, and the nose ahead of the first.
struct Tube {
  float length = 0.0f;
  float h0 = 0.0f;
  float h1 = 0.0f;
  float t0 = 0.0f;
  float t1 = 0.0f;
  float noseLength = 0.0f;
  float tipY = 0.0f;
  float tipZ = 0.0f;

  static Vec3 around(float angle) {
    const float a = angle * kRadiansPerDegree;
    return {0.0f, dmath::cos(a), dmath::sin(a)};
  }
  Vec3 start(float angle) const {
    const Vec3 r = around(angle);
    return {0.0f, h0 * r[1], t0 * r[2]};
  }
  Vec3 end(float angle) const {
    const Vec3 r = around(angle);
    return {length, h1 * r[1], t1 * r[2]};
  }
  // The nose profile at parameter u: the tip at 0, the start section at 1.
  Vec3 ring(float u, float angle) const {
    const Vec3 r = around(angle);
    const float spread = std::sqrt(u);
    return {(u - 1.0f) * noseLength, spread * h0 * r[1] + (1.0f - u) * tipY,
            spread * t0 * r[2] + (1.0f - u) * tipZ};
  }
};

Tube tubeOf(const SceneNode& node, bool withNose) {
  Tube tube{param(node, 0), param(node, 3) / 2.0f, param(node, 4) / 2.0f, param(node, 1) / 2.0f,
            param(node, 2) / 2.0f};
  if (withNose) {
    tube.noseLength = param(node, 5);
    tube.tipY = param(node, 6);
    tube.tipZ = param(node, 7);
  }
  return tube;
}

class RoundBeamBuilder {
 public:
  RoundBeamBuilder(SceneNode& node, std::vector<Polygon>& polygons, const FaceStyle& style)
      : node_(node), polygons_(polygons), frame_(frameOf(*node.pose)), style_(style) {}

  void face(std::initializer_list<LocalVertex> corners, const Vec3& normal, int smooth) {
    FaceStyle style = style_;
    style.smooth = smooth;
    appendFace(polygons_, node_, frame_, std::span(corners.begin(), corners.size()), normal, style);
  }

  // One slice of the nose between two angles: the tip triangle, then quads out to the tube.
  void noseSlice(const Tube& tube, float a, float b, int slices) {
    const float s = 1.0f / static_cast<float>(slices);
    const Vec3 tip{-tube.noseLength, tube.tipY, tube.tipZ};
    const Vec3 none{};
    face({{tip, {-1.0f, tube.tipY, tube.tipZ}},
          {tube.ring(s / 2, b), none},
          {tube.ring(s / 2, a), none}},
         none, 1);
    face({{tube.ring(s / 2, a), none},
          {tube.ring(s / 2, b), none},
          {tube.ring(s, b), none},
          {tube.ring(s, a), none}},
         none, 1);
    for (int i = 1; i < slices; ++i) {
      const float u = static_cast<float>(i) * s;
      const float next = static_cast<float>(i + 1) * s;
      face({{tube.ring(u, a), none},
            {tube.ring(u, b), none},
            {tube.ring(next, b), none},
            {tube.ring(next, a), none}},
           none, 1);
    }
  }

 private:
  SceneNode& node_;
  std::vector<Polygon>& polygons_;
  NodeFrame frame_;
  FaceStyle style_;
};

}  // namespace

void buildRoundBeam(SceneNode& node, std::vector<Polygon>& polygons, const BuildContext& context) {
  const bool nose = node.kind == "SMROUNDBEAMC";
  if (!node.shape || !node.pose) return;
  const bool startCap = node.kind == "CROUNDBEAM" || node.kind == "CROUNDBEAMC";
  const bool endCap = node.kind == "CROUNDBEAMC" || nose;
  const bool simple = context.settings.simpleShapes != 0 && !context.finestDetail;
  const std::size_t first = polygons.size();
  const Tube tube = tubeOf(node, nose);

  FaceStyle style;
  style.twoSided = node.kind == "ROUNDBEAM" || node.kind == "CROUNDBEAM";
  style.collision = node.pose->collision;
  style.outline = node.shape->wire == 1;
  RoundBeamBuilder beam(node, polygons, style);

  const int step = roundBeamStep(simple);
  const Vec3 back{-1.0f, 0.0f, 0.0f};
  const Vec3 ahead{1.0f, 0.0f, 0.0f};
  for (int degrees = 0; degrees < 360; degrees += step) {
    const float a = static_cast<float>(degrees);
    const float b = static_cast<float>(degrees + step);
    if (nose) beam.noseSlice(tube, a, b, roundNoseSlices(simple));
    if (startCap) beam.face({{{}, back}, {tube.start(a), back}, {tube.start(b), back}}, back, 0);
    if (tube.length != 0.0f) {
      beam.face({{tube.start(a), Tube::around(a)},
                 {tube.start(b), Tube::around(b)},
                 {tube.end(b), Tube::around(b)},
                 {tube.end(a), Tube::around(a)}},
                Tube::around(a + static_cast<float>(step) / 2.0f), 1);
    }
    if (endCap) {
      beam.face({{{tube.length, 0.0f, 0.0f}, ahead}, {tube.end(b), ahead}, {tube.end(a), ahead}},
                ahead, 0);
    }
  }
  const std::span<Polygon> built = std::span(polygons).subspan(first);
  smoothNormals(built, context.camera, context.settings.shading == 's');
  lightPolygons(built, context.camera, context.lightDirection);
}

}  // namespace vev
