#include "sim/target_selection.h"

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
Identity* cycleTarget(Identity* current, Identity* head, Step step) {
  // Every Identity is a candidate at most once, so a list without an eligible one ends too.
  const int candidates = listLength(head);
  Identity* candidate = current;
  for (int tried = 0; tried < candidates; ++tried) {
    candidate = step(candidate, head);
    if (!candidate || candidate == current) return nullptr;
    if (isEligibleTarget(*candidate)) return candidate;
  }
  return nullptr;
}

}  // namespace

bool isEligibleTarget(const Identity& candidate) {
  return !isShot(candidate) && !isDestroyed(candidate);
}

Identity* nextTarget(Identity* current, Identity* head) {
  return cycleTarget(current, head, nextIdentity);
}

Identity* previousTarget(Identity* current, Identity* head) {
  return cycleTarget(current, head, previousIdentity);
}

void selectTarget(Identity& identity, Identity* head) {
  if (identity.target && isDestroyed(*identity.target)) identity.target = nullptr;
  if (isHeld(identity.keys, identity.body.previousTargetKey)) {
    identity.target = previousTarget(identity.target, head);
  }
  if (isHeld(identity.keys, identity.body.nextTargetKey)) {
    identity.target = nextTarget(identity.target, head);
  }
}

}  // namespace vev
