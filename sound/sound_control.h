#pragma once

#include <cstdint>

#include "model/identity.h"
#include "model/pose.h"
#include "sound/sound_registry.h"

namespace vev {

// How the frame's sounds are played: whether the user has sound on, and the master volume that
// every distance gain scales (0 to 255).
struct SoundMix {
  bool enabled = true;
  std::int32_t volume = 255;
};

// The per-frame sound control, run after the controls and before the sweep. For every Identity
// of `scene` in list order it serves one play request of the Identity's own sound, then, node by
// node, one of a body's key-driven sound and one of an explosion's sound, each as a one-shot at
// the emitter's distance gain from `listener`; and it keeps every jet's engine looping with a
// volume and pitch that follow its throttle. With sound off an Identity's own requests wait,
// while the nodes' requests are used up silently.
void updateSounds(SoundRegistry& sounds, Identity* scene, const Pose& listener,
                  const SoundMix& mix);

}  // namespace vev
