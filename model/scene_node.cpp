#include "model/scene_node.h"

#include <utility>

namespace vev {

// Releases the rest of the node list one node at a time, so a long list cannot exhaust the stack.
SceneNode::~SceneNode() {
  std::unique_ptr<SceneNode> rest = std::move(next);
  while (rest) rest = std::move(rest->next);
}

float* paramSlot(SceneNode& node, int slot) {
  if (slot < 0 || slot >= kParamSlots) return nullptr;
  const auto cell = static_cast<std::size_t>(slot / 3);
  return cell < node.params.size() ? &node.params[cell][slot % 3] : nullptr;
}

const float* paramSlot(const SceneNode& node, int slot) {
  return paramSlot(const_cast<SceneNode&>(node), slot);
}

float& writableParamSlot(SceneNode& node, int slot) {
  const auto cell = static_cast<std::size_t>(slot / 3);
  if (node.params.size() <= cell) node.params.resize(cell + 1, ParamCell{});
  return node.params[cell][slot % 3];
}

}  // namespace vev
