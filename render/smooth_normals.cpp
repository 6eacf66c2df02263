#include "render/smooth_normals.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "render/polygon_builder.h"

namespace vev {
namespace {

constexpr float kSamePosition = 0.001f;

// Whether |d| < kSamePosition, as the square root would tell, taking it only near the limit.
bool isNear(const Vec3& d) {
  constexpr float kSquare = kSamePosition * kSamePosition;
  const float squared = dot(d, d);
  if (squared < 0.999f * kSquare) return true;
  if (squared > 1.001f * kSquare) return false;
  return std::sqrt(squared) < kSamePosition;
}

bool isSmoothFilled(const Polygon& polygon) {
  return polygon.smooth && !polygon.outline && polygon.vertices.size() >= 3;
}

void takeFaceNormal(Polygon& polygon, const Pose& camera) {
  const auto& v = polygon.vertices;
  Vec3 normal = planeNormal(v[0].position, v[1].position, v[2].position);
  if (polygon.twoSided && dot(v[0].position - camera.position, normal) >= 0.0f) {
    normal = -1.0f * normal;
  }
  polygon.normal = normal;
  for (PolygonVertex& vertex : polygon.vertices) vertex.normal = normal;
}

// Vertices are sorted into cubes much wider than the merge distance, so the vertices near one
// mostly share its cube, and lie in at most two cubes along each axis.
constexpr double kCubeSize = 16.0 * kSamePosition;

// A cube's place along one axis, and the three packed into one key that sorts as (x, y, z) would.
// Coordinates beyond about 16 km share the outermost cube on their side; they are still told apart
// by their distance.
constexpr std::int64_t kCubeLimit = std::int64_t{1} << 20;

std::int64_t cubeIndex(double c) {
  const double index = std::floor(c / kCubeSize);
  if (!(index >= static_cast<double>(-kCubeLimit))) return -kCubeLimit;
  if (index >= static_cast<double>(kCubeLimit)) return kCubeLimit - 1;
  return static_cast<std::int64_t>(index);
}

using CubeKey = std::uint64_t;

CubeKey packCube(std::int64_t x, std::int64_t y, std::int64_t z) {
  const auto field = [](std::int64_t index) { return static_cast<CubeKey>(index + kCubeLimit); };
  return field(x) << 42 | field(y) << 21 | field(z);
}

CubeKey cubeOf(const Vec3& p) {
  return packCube(cubeIndex(p[0]), cubeIndex(p[1]), cubeIndex(p[2]));
}

struct CubeEntry {
  CubeKey key = 0;
  std::size_t vertex = 0;
  bool operator<(const CubeEntry& other) const { return key < other.key; }
};

class VertexCubes {
 public:
  explicit VertexCubes(const std::vector<PolygonVertex*>& vertices) : vertices_(vertices) {
    entries_.reserve(vertices.size());
    for (std::size_t i = 0; i < vertices.size(); ++i) {
      entries_.push_back({cubeOf(vertices[i]->position), i});
    }
    std::sort(entries_.begin(), entries_.end());
    // Where each vertex's own cube starts and ends among the sorted entries.
    ownCube_.resize(vertices.size());
    for (std::size_t first = 0; first < entries_.size();) {
      std::size_t last = first + 1;
      while (last < entries_.size() && !(entries_[first] < entries_[last])) ++last;
      for (std::size_t k = first; k < last; ++k) ownCube_[entries_[k].vertex] = {first, last};
      first = last;
    }
  }

  // The mean normal of the vertices closer to vertex i than the merge distance, itself included.
  Vec3 meanNormalNear(std::size_t i) const {
    const Vec3& p = vertices_[i]->position;
    const auto range = [&](int axis) {
      const double c = p[static_cast<std::size_t>(axis)];
      return std::pair{cubeIndex(c - kSamePosition), cubeIndex(c + kSamePosition)};
    };
    const auto [x0, x1] = range(0);
    const auto [y0, y1] = range(1);
    const auto [z0, z1] = range(2);
    Vec3 sum{};
    int count = 0;
    // Mostly the merge distance stays inside the vertex's own cube, whose entries are known.
    if (x0 == x1 && y0 == y1 && z0 == z1) {
      const auto [first, last] = ownCube_[i];
      addEntries(entries_.begin() + static_cast<std::ptrdiff_t>(first),
                 entries_.begin() + static_cast<std::ptrdiff_t>(last), p, sum, count);
      return count > 0 ? (1.0f / static_cast<float>(count)) * sum : vertices_[i]->normal;
    }
    for (std::int64_t x = x0; x <= x1; ++x) {
      for (std::int64_t y = y0; y <= y1; ++y) {
        for (std::int64_t z = z0; z <= z1; ++z) addCube(packCube(x, y, z), p, sum, count);
      }
    }
    return count > 0 ? (1.0f / static_cast<float>(count)) * sum : vertices_[i]->normal;
  }

 private:
  using Entry = std::vector<CubeEntry>::const_iterator;

  void addCube(const CubeKey& key, const Vec3& p, Vec3& sum, int& count) const {
    const auto [first, last] = std::equal_range(entries_.begin(), entries_.end(), CubeEntry{key});
    addEntries(first, last, p, sum, count);
  }

  void addEntries(Entry first, Entry last, const Vec3& p, Vec3& sum, int& count) const {
    for (auto entry = first; entry != last; ++entry) {
      const PolygonVertex& other = *vertices_[entry->vertex];
      if (isNear(other.position - p)) {
        sum = sum + other.normal;
        ++count;
      }
    }
  }

  const std::vector<PolygonVertex*>& vertices_;
  std::vector<CubeEntry> entries_;
  std::vector<std::pair<std::size_t, std::size_t>> ownCube_;  // by vertex
};

void averageNormals(std::span<Polygon> polygons) {
  std::vector<PolygonVertex*> vertices;
  for (Polygon& polygon : polygons) {
    if (!isSmoothFilled(polygon)) continue;
    for (PolygonVertex& vertex : polygon.vertices) vertices.push_back(&vertex);
  }
  const VertexCubes cubes(vertices);
  std::vector<Vec3> means(vertices.size());
  for (std::size_t i = 0; i < vertices.size(); ++i) means[i] = cubes.meanNormalNear(i);
  for (std::size_t i = 0; i < vertices.size(); ++i) vertices[i]->normal = means[i];
}

}  // namespace

void smoothNormals(std::span<Polygon> polygons, const Pose& camera, bool average) {
  for (Polygon& polygon : polygons) {
    if (isSmoothFilled(polygon)) takeFaceNormal(polygon, camera);
  }
  if (average) averageNormals(polygons);
}

}  // namespace vev
