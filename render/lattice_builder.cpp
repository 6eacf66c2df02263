#include <algorithm>
#include <cmath>
#include <cstdint>

#include "render/polygon_builder.h"
#include "render/polygon_lighting.h"
#include "render/shape_builders.h"

namespace vev {
namespace {

// A cell count is a whole number; below 1 there is no cell. Huge values are cut before they are
// turned into an integer.
int cellCount(float value) {
  const double whole = std::trunc(static_cast<double>(value));
  if (!(whole >= 1.0)) return 0;
  return whole > static_cast<double>(kMaxLatticeCells + 1) ? static_cast<int>(kMaxLatticeCells + 1)
                                                           : static_cast<int>(whole);
}

// The lattice's points: section i along X, row j along Y, column k along Z, each section with the
// height and thickness tapered between the two ends.
struct Lattice {
  float length = 0.0f;
  float hi = 0.0f;
  float hf = 0.0f;
  float thi = 0.0f;
  float thf = 0.0f;
  int n = 0;
  int m = 0;
  int p = 0;

  Vec3 point(int i, int j, int k) const {
    const float f = n > 0 ? static_cast<float>(i) / static_cast<float>(n) : 0.0f;
    const float height = hi + (hf - hi) * f;
    const float thickness = thi + (thf - thi) * f;
    return {length * f, -height / 2.0f + static_cast<float>(j) * height / static_cast<float>(m),
            -thickness / 2.0f + static_cast<float>(k) * thickness / static_cast<float>(p)};
  }
};

class LatticeBuilder {
 public:
  LatticeBuilder(SceneNode& node, std::vector<Polygon>& polygons, const Lattice& lattice,
                 const BuildContext& context)
      : node_(node),
        shape_(*node.shape),
        polygons_(polygons),
        lattice_(lattice),
        frame_(frameOf(*node.pose)),
        context_(context) {}

  void build() {
    for (int i = 0; i <= lattice_.n; ++i) {
      for (int j = 0; j < lattice_.m; ++j) {
        for (int k = 0; k < lattice_.p; ++k) cell(i, j, k);
      }
    }
  }

 private:
  void cell(int i, int j, int k) {
    const auto P = [&](int jj, int kk) { return lattice_.point(i, jj, kk); };
    line({P(j, k), P(j, k + 1), P(j + 1, k + 1), P(j + 1, k)});
    line({P(j, k), P(j + 1, k + 1)});
    line({P(j + 1, k), P(j, k + 1)});
    if (i >= lattice_.n) return;
    const auto Q = [&](int jj, int kk) { return lattice_.point(i + 1, jj, kk); };
    sideFace(P, Q, j, k);
    if (k == lattice_.p - 1) sideFace(P, Q, j, k + 1);
    line({P(j, k), Q(j, k + 1)});
    line({P(j, k + 1), Q(j, k)});
    if (j == lattice_.m - 1) {
      line({P(j + 1, k), Q(j + 1, k + 1)});
      line({P(j + 1, k + 1), Q(j + 1, k)});
    }
  }

  // The face between two sections at column k, with its two diagonals.
  template <typename Near, typename Far>
  void sideFace(const Near& P, const Far& Q, int j, int k) {
    line({P(j, k), Q(j, k), Q(j + 1, k), P(j + 1, k)});
    line({P(j, k), Q(j + 1, k)});
    line({P(j + 1, k), Q(j, k)});
  }

  void line(std::initializer_list<Vec3> points) {
    Polygon& polygon = polygons_.emplace_back();
    polygon.owner = &node_;
    polygon.outline = 1;
    polygon.vertices.reserve(points.size());
    for (const Vec3& local : points) {
      PolygonVertex& vertex = polygon.vertices.emplace_back();
      vertex.position = frame_.point(local);
      vertex.colour = colourSeenFrom(vertex.position, polygon);
    }
  }

  // Lines are brighter the more the view runs along the light; translucent ones at full light.
  std::array<float, 4> colourSeenFrom(const Vec3& position, Polygon& polygon) const {
    Vec3 view = position - context_.camera.position;
    normalise(view);
    float f = dot(context_.lightDirection, view);
    const float alpha = shape_.diffuse[3];
    if (alpha != 1.0f) {
      f = 1.0f;
      polygon.blend = 1;
    }
    std::array<float, 4> colour{0.0f, 0.0f, 0.0f, alpha};
    for (int c = 0; c < 3; ++c) {
      const float ambient = shape_.lit == 1 ? shape_.ambient[c] : kAmbientLevel[c];
      colour[c] = (ambient + (1.0f - ambient) * f) * shape_.diffuse[c];
    }
    return colour;
  }

  SceneNode& node_;
  const Shape& shape_;
  std::vector<Polygon>& polygons_;
  const Lattice& lattice_;
  NodeFrame frame_;
  const BuildContext& context_;
};

}  // namespace

std::int64_t latticeCells(const SceneNode& node) {
  const std::int64_t sections = std::max(cellCount(param(node, 5)), 1);
  return sections * cellCount(param(node, 6)) * cellCount(param(node, 7));
}

void buildRetiBeam(SceneNode& node, std::vector<Polygon>& polygons, const BuildContext& context) {
  if (!node.shape || !node.pose) return;
  const Lattice lattice{param(node, 0),
                        param(node, 3),
                        param(node, 4),
                        param(node, 1),
                        param(node, 2),
                        cellCount(param(node, 5)),
                        cellCount(param(node, 6)),
                        cellCount(param(node, 7))};
  const std::int64_t cells = latticeCells(node);
  if (cells == 0 || cells > kMaxLatticeCells) return;
  LatticeBuilder(node, polygons, lattice, context).build();
}

}  // namespace vev
