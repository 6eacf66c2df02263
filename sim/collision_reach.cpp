#include "sim/collision_reach.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace vev {
namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;  // rows

// Edges whose directions are closer to parallel than this give too slanted a box to be useful.
constexpr double kLeastSine = 1e-3;
// Relative and absolute slack for the rounding of the hit test, which works in single precision.
constexpr double kRelativeSlack = 1e-4;
constexpr double kAbsoluteSlack = 1e-3;

Vector toDouble(const Vec3& v) {
  return {v[0], v[1], v[2]};
}

double dotOf(const Vector& a, const Vector& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vector crossOf(const Vector& a, const Vector& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Vector minus(const Vector& a, const Vector& b) {
  return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

double norm(const Vector& v) {
  return std::sqrt(dotOf(v, v));
}

Vector unit(const Vector& v) {
  const double n = norm(v);
  return {v[0] / n, v[1] / n, v[2] / n};
}

// The inverse of a matrix given by rows, as columns: column j is the point whose product with
// row j is 1 and with the other rows 0. False when the rows are too close to dependent.
bool invert(const Matrix& rows, Matrix& columns) {
  const Vector c0 = crossOf(rows[1], rows[2]);
  const Vector c1 = crossOf(rows[2], rows[0]);
  const Vector c2 = crossOf(rows[0], rows[1]);
  const double det = dotOf(rows[0], c0);
  if (std::fabs(det) < kLeastSine * kLeastSine) return false;
  for (int i = 0; i < 3; ++i) {
    columns[0][i] = c0[i] / det;
    columns[1][i] = c1[i] / det;
    columns[2][i] = c2[i] / det;
  }
  return true;
}

// The edge from corner i to the next, which the hit test bounds on both sides: a start inside
// the polygon projects onto each edge between its two ends.
struct Edge {
  Vector from{};
  Vector direction{};  // unit
  double length = 0.0;
};

Edge edgeAt(const std::vector<Vec3>& corners, std::size_t i) {
  const Vector from = toDouble(corners[i]);
  const Vector along = minus(toDouble(corners[(i + 1) % corners.size()]), from);
  const double length = norm(along);
  return {from, length > 0.0 ? unit(along) : Vector{}, length};
}

// The first edge of some length, and the edge that spans the widest angle with it; the next
// edge will do when it is well away from parallel, as it is in most faces.
bool chooseEdges(const std::vector<Vec3>& corners, Edge& first, Edge& second) {
  std::size_t start = 0;
  while (start < corners.size() && edgeAt(corners, start).length == 0.0) ++start;
  if (start == corners.size()) return false;
  first = edgeAt(corners, start);
  constexpr double kGoodSine = 0.5;
  second = edgeAt(corners, (start + 1) % corners.size());
  if (second.length > 0.0 && norm(crossOf(first.direction, second.direction)) >= kGoodSine) {
    return true;
  }
  double bestSine = kLeastSine;
  bool found = false;
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const Edge candidate = edgeAt(corners, i);
    if (candidate.length == 0.0) continue;
    const double sine = norm(crossOf(first.direction, candidate.direction));
    if (sine > bestSine) {
      bestSine = sine;
      second = candidate;
      found = true;
    }
  }
  return found;
}

}  // namespace

CollisionReach reachOf(const CollisionFace& face) {
  CollisionReach reach;
  const std::vector<Vec3>& corners = face.corners;
  const Vector normal = toDouble(face.normal);
  if (corners.empty() || norm(normal) == 0.0) {
    reach.kind = CollisionReach::Kind::nowhere;
    return reach;
  }
  reach.kind = CollisionReach::Kind::anywhere;
  Edge first;
  Edge second;
  if (!chooseEdges(corners, first, second)) return reach;
  // The start s satisfies rows · s within these ranges: along each edge between its ends, and
  // across the plane within the path's length (added per metre below).
  const Vector across = unit(normal);
  const Matrix rows = {first.direction, second.direction, across};
  Matrix columns;
  if (!invert(rows, columns)) return reach;
  const std::array<double, 3> low = {dotOf(first.direction, first.from),
                                     dotOf(second.direction, second.from),
                                     dotOf(across, toDouble(corners.front()))};
  const std::array<double, 3> high = {low[0] + first.length, low[1] + second.length, low[2]};

  double scale = first.length + second.length;
  for (const double v : toDouble(corners.front())) scale += std::fabs(v);
  const double slack = kAbsoluteSlack + kRelativeSlack * scale;
  for (int axis = 0; axis < 3; ++axis) {
    double lowest = 0.0;
    double highest = 0.0;
    for (int j = 0; j < 3; ++j) {
      const double weight = columns[static_cast<std::size_t>(j)][static_cast<std::size_t>(axis)];
      lowest += weight * (weight >= 0.0 ? low[j] : high[j]);
      highest += weight * (weight >= 0.0 ? high[j] : low[j]);
    }
    const auto a = static_cast<std::size_t>(axis);
    reach.low[a] = static_cast<float>(lowest - slack);
    reach.high[a] = static_cast<float>(highest + slack);
    reach.growth[a] = static_cast<float>(std::fabs(columns[2][a]) * (1.0 + kRelativeSlack));
  }
  reach.kind = CollisionReach::Kind::box;
  return reach;
}

}  // namespace vev
