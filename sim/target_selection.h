#pragma once

#include <cstdint>

#include "model/identity.h"

namespace vev {

// How a held target key repeats: the first step at the press, then, once the key has been held
// kTargetRepeatDelayMs, one more every kTargetRepeatPeriodMs.
inline constexpr std::int32_t kTargetRepeatDelayMs = 400;
inline constexpr std::int32_t kTargetRepeatPeriodMs = 250;

// Whether `candidate` can be the target of `chooser`: another Identity that can be damaged (the
// surroundings cannot), not a shot and not destroyed.
bool isEligibleTarget(const Identity& candidate, const Identity& chooser);

// The next eligible Identity after `current` in list order (wrapping), or the previous one. A
// search that comes back to `current` keeps it while it is eligible; one that finds nothing
// eligible in a whole cycle selects no target (null). A null `current` starts from the head (next) or the last Identity (previous).
Identity* nextTarget(Identity* current, Identity* head, const Identity& chooser);
Identity* previousTarget(Identity* current, Identity* head, const Identity& chooser);

// The nearest eligible Identity in front of the chooser's nose, or null.
Identity* nearestTargetAhead(Identity* head, const Identity& chooser);

// Whether a target key held for `heldMs` (this frame included, 0 at the press) steps this frame,
// where the frame lasted `stepMs`.
bool targetKeySteps(std::int32_t heldMs, std::int32_t stepMs);

// Target selection of one frame for `identity`: drops a destroyed target, then each target key
// steps once per press and repeats while held.
void selectTarget(Identity& identity, Identity* head, std::int32_t stepMs);

}  // namespace vev
