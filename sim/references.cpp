#include "sim/references.h"

#include "sim/node_kind.h"

namespace vev {
namespace {

bool posesInside(const Identity& identity, const Pose* pose) {
  if (!pose) return false;
  if (pose == &identity.pose) return true;
  for (const SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    if (node->pose.get() == pose) return true;
  }
  return false;
}

// Who takes control when `leaving` goes: a craft rather than one of the shots that follow it.
Identity* successorOf(const ModelState& model, const Identity& leaving) {
  Identity* fallback = nullptr;
  for (Identity* other = model.scene.get(); other; other = other->next.get()) {
    if (other == &leaving) continue;
    if (!isShot(*other)) return other;
    if (!fallback) fallback = other;
  }
  return fallback;
}

}  // namespace

void releaseReferences(ModelState& model, const Identity& leaving) {
  if (model.controlled == &leaving) model.controlled = successorOf(model, leaving);
  if (posesInside(leaving, model.activeCamera)) model.activeCamera = &model.freeCamera;
  for (Identity* other = model.scene.get(); other; other = other->next.get()) {
    if (other->target == &leaving) other->target = nullptr;
  }
}

}  // namespace vev
