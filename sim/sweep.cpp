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

}  // namespace

void sweepSpent(ModelState& model) {
  for (Identity* identity = model.scene.get(); identity; identity = identity->next.get()) {
    if (!identity->damage) continue;
    if (isShot(*identity)) markSpentShot(*identity);
    if (identity->damage->destroyed == 0) continue;
    if (identity->damage->removal == 0) {
      releaseReferences(model, *identity);
      removeIdentity(identity, model.scene);
      return;
    }
    leaveAsWreck(*identity);
  }
}

}  // namespace vev
