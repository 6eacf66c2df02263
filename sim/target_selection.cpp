#include "sim/target_selection.h"

#include <array>

#include "sim/key_access.h"
#include "sim/node_kind.h"

namespace vev {
namespace {

int listLength(const Identity* head) {
  int count = 0;
  for (; head; head = head->next.get()) ++count;
  return count;
}

template <typename Step>
Identity* cycleTarget(Identity* current, Identity* head, const Identity& chooser, Step step) {
  // Every Identity is a candidate at most once, so a list without an eligible one ends too.
  const int candidates = listLength(head);
  Identity* candidate = current;
  for (int tried = 0; tried < candidates; ++tried) {
    candidate = step(candidate, head);
    if (!candidate) return nullptr;
    if (candidate == current) return isEligibleTarget(*current, chooser) ? current : nullptr;
    if (isEligibleTarget(*candidate, chooser)) return candidate;
  }
  return nullptr;
}

// The number of repeats a key held for `heldMs` has made.
std::int32_t repeatsAfter(std::int32_t heldMs) {
  if (heldMs < kTargetRepeatDelayMs) return 0;
  return (heldMs - kTargetRepeatDelayMs) / kTargetRepeatPeriodMs;
}

}  // namespace

bool isEligibleTarget(const Identity& candidate, const Identity& chooser) {
  return &candidate != &chooser && candidate.damage && !isShot(candidate) &&
         !isDestroyed(candidate);
}

Identity* nextTarget(Identity* current, Identity* head, const Identity& chooser) {
  return cycleTarget(current, head, chooser, nextIdentity);
}

Identity* previousTarget(Identity* current, Identity* head, const Identity& chooser) {
  return cycleTarget(current, head, chooser, previousIdentity);
}

Identity* nearestTargetAhead(Identity* head, const Identity& chooser) {
  Identity* nearest = nullptr;
  float nearestSquared = 0.0f;
  for (Identity* it = head; it; it = it->next.get()) {
    if (!isEligibleTarget(*it, chooser)) continue;
    const Vec3 offset = it->pose.position - chooser.pose.position;
    if (dot(offset, chooser.pose.tangent) <= 0.0f) continue;
    const float squared = dot(offset, offset);
    if (!nearest || squared < nearestSquared) {
      nearest = it;
      nearestSquared = squared;
    }
  }
  return nearest;
}

bool targetKeySteps(std::int32_t heldMs, std::int32_t stepMs) {
  if (heldMs == 0) return true;
  return repeatsAfter(heldMs) > repeatsAfter(heldMs - stepMs);
}

void selectTarget(Identity& identity, Identity* head, std::int32_t stepMs) {
  if (identity.target && isDestroyed(*identity.target)) identity.target = nullptr;
  BodyState& body = identity.body;
  const std::array<KeyCode, 3> keys = {body.previousTargetKey, body.nextTargetKey,
                                       body.nearestTargetKey};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    std::int32_t& held = body.targetKeyHeldMs[i];
    if (!isHeld(identity.keys, keys[i])) {
      held = -1;
      continue;
    }
    held = held < 0 ? 0 : held + stepMs;
    if (!targetKeySteps(held, stepMs)) continue;
    if (i == 0) identity.target = previousTarget(identity.target, head, identity);
    if (i == 1) identity.target = nextTarget(identity.target, head, identity);
    if (i == 2) identity.target = nearestTargetAhead(head, identity);
  }
}

}  // namespace vev
