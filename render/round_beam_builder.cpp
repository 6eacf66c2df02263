#include <cmath>
#include <span>
#include <vector>

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

  // The sections are given by `r`, a unit direction around the axis (see `around`).
  Vec3 start(const Vec3& r) const { return {0.0f, h0 * r[1], t0 * r[2]}; }
  Vec3 end(const Vec3& r) const { return {length, h1 * r[1], t1 * r[2]}; }
  // The nose profile at parameter u: the tip at 0, the start section at 1.
  Vec3 ring(float u, const Vec3& r) const {
    const float spread = std::sqrt(u);
    return {(u - 1.0f) * noseLength, spread * h0 * r[1] + (1.0f - u) * tipY,
            spread * t0 * r[2] + (1.0f - u) * tipZ};
  }
};

Vec3 around(float degrees) {
  const float a = degrees * kRadiansPerDegree;
  return {0.0f, dmath::cos(a), dmath::sin(a)};
}

// The directions around the axis at every half step of the slices of `step` degrees that go once
// round, worked out once per beam: 2n + 1 of them for n slices.
std::vector<Vec3> halfStepDirections(int step) {
  const int slices = (360 + step - 1) / step;
  std::vector<Vec3> directions;
  for (int half = 0; half <= 2 * slices; ++half) {
    directions.push_back(around(static_cast<float>(half * step) / 2.0f));
  }
  return directions;
}

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
  void noseSlice(const Tube& tube, const Vec3& a, const Vec3& b, int slices) {
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
  const std::vector<Vec3> directions = halfStepDirections(step);
  const Vec3 back{-1.0f, 0.0f, 0.0f};
  const Vec3 ahead{1.0f, 0.0f, 0.0f};
  for (std::size_t i = 0; 2 * i + 2 < directions.size(); ++i) {
    const Vec3& a = directions[2 * i];
    const Vec3& middle = directions[2 * i + 1];
    const Vec3& b = directions[2 * i + 2];
    if (nose) beam.noseSlice(tube, a, b, roundNoseSlices(simple));
    if (startCap) beam.face({{{}, back}, {tube.start(a), back}, {tube.start(b), back}}, back, 0);
    if (tube.length != 0.0f) {
      beam.face({{tube.start(a), a}, {tube.start(b), b}, {tube.end(b), b}, {tube.end(a), a}},
                middle, 1);
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
