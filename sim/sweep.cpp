#include "sim/sweep.h"

#include "sim/node_kind.h"
#include "sim/references.h"

namespace vev {
namespace {

constexpr int kExplosionClockSlot = 0;

bool hasFlownItsRange(const Identity& shot) {
  if (!shot.shotOrigin) return false;
  return length(shot.pose.position - shot.shotOrigin->origin) >= shot.shotOrigin->range;
}

bool explosionHasEnded(const Identity& shot) {
  const SceneNode* node = shot.nodes.get();
  if (!node || !isKind(*node, "EXPLOSION")) return false;
  const float* clock = paramSlot(*node, kExplosionClockSlot);
  return !clock || *clock == 0.0f;
}

void markSpentShot(Identity& shot) {
  if (!hasFlownItsRange(shot) && !explosionHasEnded(shot)) return;
  shot.damage->destroyed = 1;
  shot.damage->removal = 0;
}

void leaveAsWreck(Identity& identity) {
  identity.damage->destroyed = 1;
  identity.alive = 0;
  for (SceneNode* node = identity.nodes.get(); node; node = node->next.get()) node->dirty = 1;
}

bool isDueForRemoval(Identity& identity) {
  if (!identity.damage) return false;
  if (isShot(identity)) markSpentShot(identity);
  if (identity.damage->destroyed == 0) return false;
  if (identity.damage->removal == 0) return true;
  leaveAsWreck(identity);
  return false;
}

}  // namespace

// Everything spent goes in the frame it is found, so that sustained fire cannot pile up shots.
void sweepSpent(ModelState& model) {
  std::unique_ptr<Identity>* link = &model.scene;
  while (*link) {
    Identity& identity = **link;
    if (!isDueForRemoval(identity)) {
      link = &identity.next;
      continue;
    }
    releaseReferences(model, identity);
    *link = std::move(identity.next);
  }
}

}  // namespace vev
