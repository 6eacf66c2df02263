#include "render/smooth_normals.h"

#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "render/polygon_builder.h"

namespace vev {
namespace {

constexpr float kSamePosition = 0.001f;

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

// Vertices are bucketed in cubes of the merge distance, so only the 27 cubes around a vertex
// need to be searched for its neighbours.
struct CellKey {
  std::int64_t x = 0;
  std::int64_t y = 0;
  std::int64_t z = 0;
  bool operator==(const CellKey&) const = default;
};

struct CellKeyHash {
  std::size_t operator()(const CellKey& key) const {
    const auto mix = [](std::int64_t v) {
      return static_cast<std::size_t>(v) * 0x9E3779B97F4A7C15u;
    };
    return mix(key.x) ^ (mix(key.y) >> 1) ^ (mix(key.z) << 1);
  }
};

// Coordinates too far out for a cube index share the cube at the origin; they are still told apart
// by their distance.
CellKey cellOf(const Vec3& p) {
  const auto cell = [](float c) {
    const double index = std::floor(static_cast<double>(c) / kSamePosition);
    return index > -9.0e18 && index < 9.0e18 ? static_cast<std::int64_t>(index) : 0;
  };
  return {cell(p[0]), cell(p[1]), cell(p[2])};
}

void averageNormals(std::span<Polygon> polygons) {
  std::vector<PolygonVertex*> vertices;
  for (Polygon& polygon : polygons) {
    if (!isSmoothFilled(polygon)) continue;
    for (PolygonVertex& vertex : polygon.vertices) vertices.push_back(&vertex);
  }
  std::unordered_map<CellKey, std::vector<std::size_t>, CellKeyHash> cells;
  for (std::size_t i = 0; i < vertices.size(); ++i)
    cells[cellOf(vertices[i]->position)].push_back(i);

  std::vector<Vec3> averages(vertices.size());
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const Vec3& p = vertices[i]->position;
    const CellKey home = cellOf(p);
    Vec3 sum{};
    int count = 0;
    for (std::int64_t dx = -1; dx <= 1; ++dx) {
      for (std::int64_t dy = -1; dy <= 1; ++dy) {
        for (std::int64_t dz = -1; dz <= 1; ++dz) {
          const auto found = cells.find({home.x + dx, home.y + dy, home.z + dz});
          if (found == cells.end()) continue;
          for (const std::size_t j : found->second) {
            if (length(vertices[j]->position - p) < kSamePosition) {
              sum = sum + vertices[j]->normal;
              ++count;
            }
          }
        }
      }
    }
    averages[i] = count > 0 ? (1.0f / static_cast<float>(count)) * sum : vertices[i]->normal;
  }
  for (std::size_t i = 0; i < vertices.size(); ++i) vertices[i]->normal = averages[i];
}

}  // namespace

void smoothNormals(std::span<Polygon> polygons, const Pose& camera, bool average) {
  for (Polygon& polygon : polygons) {
    if (isSmoothFilled(polygon)) takeFaceNormal(polygon, camera);
  }
  if (average) averageNormals(polygons);
}

}  // namespace vev
