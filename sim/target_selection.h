#pragma once

#include "model/identity.h"

namespace vev {

// Whether an Identity can be selected as a target: not a shot and not destroyed. The selecting
// Identity itself is eligible.
bool isEligibleTarget(const Identity& candidate);

// The next eligible Identity after `current` in list order (wrapping), or the previous one. A
// search that comes back to `current`, or finds nothing eligible in a whole cycle, selects no
// target (null). A null `current` starts from the head (next) or the last Identity (previous).
Identity* nextTarget(Identity* current, Identity* head);
Identity* previousTarget(Identity* current, Identity* head);

// Target selection of one frame for `identity`: drops a destroyed target, then steps to the
// previous and the next target while their keys are held.
void selectTarget(Identity& identity, Identity* head);

}  // namespace vev
