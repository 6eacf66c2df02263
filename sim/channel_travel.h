#pragma once

#include <functional>

#include "model/body_state.h"
#include "model/identity.h"

namespace vev {

// The part of another copy of the craft that a part stands for, or null when it has none.
using CounterpartOf = std::function<const SceneNode*(const SceneNode&)>;

// Whether a channel is driven by a key at all.
inline bool hasKeys(const ControlChannel& channel) {
  return channel.increaseKey != 0 || channel.decreaseKey != 0;
}

// Moves the parts of `identity`, fresh from their file, as far along their rail, translation
// and rotation channels as their counterparts have gone, descendants following as in the node
// step, and takes the counterparts' toggles and jet throttles. How far a channel has gone is the
// room the counterpart has used of what this file gives it, kept within this file's end stops,
// so an edited rest position stays edited. Channels without keys on either side stay put.
void takeChannelTravel(Identity& identity, const CounterpartOf& counterpartOf);

}  // namespace vev
