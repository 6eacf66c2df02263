#include <span>

#include "model/deterministic_math.h"
#include "render/level_of_detail.h"
#include "render/polygon_builder.h"
#include "render/polygon_lighting.h"
#include "render/shape_builders.h"

namespace vev {
namespace {

// The sections of a quad beam: half heights and half thicknesses at x = 0 and x = length.
struct BeamSection {
  float length = 0.0f;
  float h0 = 0.0f;
  float h1 = 0.0f;
  float t0 = 0.0f;
  float t1 = 0.0f;
};

BeamSection beamSection(const SceneNode& node) {
  return {param(node, 0), param(node, 3) / 2.0f, param(node, 4) / 2.0f, param(node, 1) / 2.0f,
          param(node, 2) / 2.0f};
}

// Which parts a kind has; see the table of quad-beam kinds.
struct BeamParts {
  bool flatSides = true;
  bool nose = false;
  bool tail = false;
  bool endCaps = true;  // the semicircular ends' flat caps
  bool startCap = false;
  bool endCap = false;
};

BeamParts beamParts(const std::string& kind) {
  BeamParts parts;
  if (kind == "QUADBEAM" || kind == "HANGED") {
    parts.startCap = true;
    parts.endCap = true;
  } else if (kind == "QUADBEAMSM") {
    parts.nose = true;
    parts.endCap = true;
  } else if (kind == "SMQUADBEAM") {
    parts.nose = true;
    parts.tail = true;
  } else if (kind == "SMQUADBEAML") {
    parts.flatSides = false;
    parts.nose = true;
    parts.tail = true;
    parts.endCaps = false;
  }
  return parts;
}

// A tapered beam is seen from inside through its open ends, so it is drawn from both sides. The
// ratio test counts a zero far size as tapered.
bool isTwoSided(const SceneNode& node) {
  const auto tapered = [](float start, float end) { return end == 0.0f || start != end; };
  return tapered(param(node, 3), param(node, 4)) || tapered(param(node, 1), param(node, 2)) ||
         node.kind == "SMQUADBEAML";
}

// A semicircular end of radius `radius` at x = `x`, bulging towards -x (side -1) or +x (side +1).
struct RoundEnd {
  float x = 0.0f;
  float radius = 0.0f;
  float halfThickness = 0.0f;
  float side = 1.0f;
  int step = kCoarsestStep;
  int minusCapSmooth = 0;

  Vec3 point(int degrees, float z) const {
    const float a = static_cast<float>(degrees) * kRadiansPerDegree;
    return {x + side * radius * dmath::sin(a), radius * dmath::cos(a), z};
  }
  Vec3 normalAt(float degrees) const {
    const float a = degrees * kRadiansPerDegree;
    return {side * dmath::sin(a), dmath::cos(a), 0.0f};
  }
};

class QuadBeamBuilder {
 public:
  QuadBeamBuilder(SceneNode& node, std::vector<Polygon>& polygons)
      : node_(node), polygons_(polygons), frame_(frameOf(*node.pose)) {
    style_.twoSided = isTwoSided(node);
    style_.collision = node.pose->collision;
    style_.outline = node.shape->wire != 0;
  }

  void face(std::initializer_list<Vec3> points, const Vec3& normal, int smooth = 0) {
    std::vector<LocalVertex> corners;
    corners.reserve(points.size());
    for (const Vec3& p : points) corners.push_back({p, normal});
    faceWithNormals(corners, normal, smooth);
  }

  void faceWithNormals(std::span<const LocalVertex> corners, const Vec3& normal, int smooth) {
    FaceStyle style = style_;
    style.smooth = smooth;
    appendFace(polygons_, node_, frame_, corners, normal, style);
  }

  void roundEndCaps(const RoundEnd& end) {
    capAt(end, end.halfThickness, {0.0f, 0.0f, 1.0f}, 0);
    capAt(end, -end.halfThickness, {0.0f, 0.0f, -1.0f}, end.minusCapSmooth);
  }

  void roundEndBand(const RoundEnd& end) {
    const float t = end.halfThickness;
    for (int a = 0; a < 180; a += end.step) {
      const int b = a + end.step;
      const Vec3 na = end.normalAt(static_cast<float>(a));
      const Vec3 nb = end.normalAt(static_cast<float>(b));
      const LocalVertex corners[] = {{end.point(a, t), na},
                                     {end.point(a, -t), na},
                                     {end.point(b, -t), nb},
                                     {end.point(b, t), nb}};
      faceWithNormals(corners, end.normalAt(static_cast<float>(a) + end.step / 2.0f), 1);
    }
  }

 private:
  void capAt(const RoundEnd& end, float z, const Vec3& normal, int smooth) {
    std::vector<LocalVertex> corners;
    corners.push_back({{end.x, end.radius, z}, normal});
    for (int a = 0; a <= 180; a += end.step) corners.push_back({end.point(a, z), normal});
    faceWithNormals(corners, normal, smooth);
  }

  SceneNode& node_;
  std::vector<Polygon>& polygons_;
  NodeFrame frame_;
  FaceStyle style_;
};

}  // namespace

void buildQuadBeam(SceneNode& node, std::vector<Polygon>& polygons, const BuildContext& context) {
  if (!node.shape || !node.pose) return;
  const std::size_t first = polygons.size();
  const BeamSection s = beamSection(node);
  const BeamParts parts = beamParts(node.kind);
  const bool simple = context.settings.simpleShapes != 0;
  const float L = s.length;
  QuadBeamBuilder beam(node, polygons);

  if (L != 0.0f) {
    beam.face({{0, s.h0, s.t0}, {0, s.h0, -s.t0}, {L, s.h1, -s.t1}, {L, s.h1, s.t1}}, {0, 1, 0});
    beam.face({{0, -s.h0, s.t0}, {0, -s.h0, -s.t0}, {L, -s.h1, -s.t1}, {L, -s.h1, s.t1}},
              {0, -1, 0});
    if (parts.flatSides) {
      beam.face({{0, -s.h0, s.t0}, {0, s.h0, s.t0}, {L, s.h1, s.t1}, {L, -s.h1, s.t1}}, {0, 0, 1});
      beam.face({{0, -s.h0, -s.t0}, {0, s.h0, -s.t0}, {L, s.h1, -s.t1}, {L, -s.h1, -s.t1}},
                {0, 0, -1});
    }
  }
  if (parts.nose) {
    const float distance = length(node.pose->position - context.camera.position);
    const int step = context.finestDetail ? kFinestStep : noseStep(2.0f * s.h0, distance, simple);
    RoundEnd nose{0.0f, s.h0, s.t0, -1.0f, step, 1};
    if (parts.endCaps) beam.roundEndCaps(nose);
    beam.roundEndBand(nose);
  }
  if (parts.tail) {
    const Vec3 farEnd = node.pose->position + L * node.pose->tangent;
    const float distance = length(farEnd - context.camera.position);
    const int step = context.finestDetail ? kFinestStep : tailStep(2.0f * s.h0, distance, simple);
    RoundEnd tail{L, s.h1, s.t1, 1.0f, step, 0};
    if (parts.endCaps) beam.roundEndCaps(tail);
    beam.roundEndBand(tail);
  }
  if (parts.startCap) {
    beam.face({{0, -s.h0, -s.t0}, {0, s.h0, -s.t0}, {0, s.h0, s.t0}, {0, -s.h0, s.t0}}, {-1, 0, 0});
  }
  if (parts.endCap) {
    beam.face({{L, -s.h1, -s.t1}, {L, s.h1, -s.t1}, {L, s.h1, s.t1}, {L, -s.h1, s.t1}}, {1, 0, 0});
  }
  lightPolygons(std::span(polygons).subspan(first), context.camera, context.lightDirection);
}

}  // namespace vev
