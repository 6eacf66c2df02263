#include "sim/explosion_clocks.h"

#include "sim/node_kind.h"

namespace vev {
namespace {

constexpr int kClockSlot = 0;
constexpr int kDurationSlot = 2;

void advanceClock(SceneNode& node, float step) {
  float* clock = paramSlot(node, kClockSlot);
  if (!clock || *clock == 0.0f) return;
  const float* duration = paramSlot(node, kDurationSlot);
  *clock += step;
  if (*clock >= (duration ? *duration : 0.0f)) *clock = 0.0f;
}

}  // namespace

void advanceExplosionClocks(ModelState& model) {
  const float step = model.frameStepSeconds();
  for (Identity* identity = model.scene.get(); identity; identity = identity->next.get()) {
    for (SceneNode* node = identity->nodes.get(); node; node = node->next.get()) {
      if (isKind(*node, "EXPLOSION")) advanceClock(*node, step);
    }
  }
}

}  // namespace vev
