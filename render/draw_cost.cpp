#include "render/draw_cost.h"

#include <cmath>

#include "render/shape_builders.h"

namespace vev {
namespace {

// Each lattice cell draws its square and the sides towards the next section with their
// diagonals: about 22 line vertices.
constexpr std::int64_t kVerticesPerLatticeCell = 22;

// 100000 as "100,000".
std::string withThousands(std::int64_t count) {
  std::string digits = std::to_string(count);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
  return digits;
}

}  // namespace

std::int64_t drawnVertices(const SceneNode& node) {
  if (node.kind == "QUAD" || node.kind == "SMQUAD") {
    return static_cast<std::int64_t>(node.vertices.size());
  }
  if (node.kind == "RETIBEAM") {
    const std::int64_t cells = latticeCells(node);
    return cells > kMaxLatticeCells ? 0 : cells * kVerticesPerLatticeCell;
  }
  return 0;
}

std::string whyTooCostly(const SceneNode& node) {
  const std::int64_t vertices = drawnVertices(node);
  const double ms = static_cast<double>(vertices) * kDrawMsPerVertex;
  if (ms <= kPartShareOfFrameMs) return {};
  const std::string named = node.kind + (node.name.empty() ? "" : " \"" + node.name + "\"");
  const std::string what = node.kind == "RETIBEAM"
                               ? "draws " + withThousands(latticeCells(node)) + " cells, about " +
                                     withThousands(vertices) + " vertices"
                               : "has " + withThousands(vertices) + " vertices";
  return named + " " + what + ": about " + std::to_string(std::llround(ms)) +
         " ms a frame on a software renderer, more than the " +
         std::to_string(std::llround(kPartShareOfFrameMs)) +
         " ms one part can take of a 40 ms frame";
}

}  // namespace vev
