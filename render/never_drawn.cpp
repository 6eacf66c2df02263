#include <string>

#include "render/shape_builders.h"

namespace vev {

std::string whyNeverDrawn(const SceneNode& node) {
  const std::string named =
      node.kind + (node.name.empty() ? " without a name " : " \"" + node.name + "\" ");
  if (node.shape && !node.pose && (solidBuilder(node.kind) || node.kind == "EXPLOSION")) {
    return named + "has no pose (no `pos`, `tang` or `norm` line) and is not drawn";
  }
  if ((node.kind == "QUAD" || node.kind == "SMQUAD") && !quadCanBeBuilt(node)) {
    return named + "has fewer than three vertices and is not drawn";
  }
  if (node.kind == "RETIBEAM") {
    const std::int64_t cells = latticeCells(node);
    if (cells == 0) return named + "has no cells (a `cell` count below 1) and is not drawn";
    if (cells > kMaxLatticeCells) {
      return named + "has more than " + std::to_string(kMaxLatticeCells) +
             " cells and is not drawn";
    }
  }
  return {};
}

}  // namespace vev
