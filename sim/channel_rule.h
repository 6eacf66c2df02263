#pragma once

#include "model/body_state.h"
#include "model/keys.h"
#include "sim/key_access.h"

namespace vev {

// Applies one control channel for one frame. `step` is the channel's travel this frame; `act` is
// called with +step or -step. An increasing step must leave a strictly positive room up, while a
// decreasing step may land exactly on the end of room down; `unlimited` lifts both limits but the
// rooms are still kept up to date.
template <typename Action>
void applyChannel(ControlChannel& channel, const KeyStates& keys, float step, Action&& act) {
  const bool unlimited = channel.unlimited == 1;
  if (isHeld(keys, channel.increaseKey) && (unlimited || channel.roomUp - step > 0.0f)) {
    act(step);
    channel.roomUp -= step;
    channel.roomDown -= step;
  }
  if (isHeld(keys, channel.decreaseKey) && (unlimited || channel.roomDown + step <= 0.0f)) {
    act(-step);
    channel.roomUp += step;
    channel.roomDown += step;
  }
}

// The channel's travel in one frame of `frameStep` seconds.
inline float channelStep(const ControlChannel& channel, float frameStep) {
  return channel.rate * frameStep;
}

}  // namespace vev
