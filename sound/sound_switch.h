#pragma once

#include <cstdint>

#include "sound/sound_registry.h"

namespace vev {

// The sound toggle. soundOff clears the "sound" setting and silences every started jet loop at
// once (one-shots play out); soundOn sets it again, and the loops come back at their computed
// volume on the next frame.
void soundOff(SoundRegistry& sounds, std::int32_t& soundEnabled);
void soundOn(std::int32_t& soundEnabled);

// Silences every started jet loop, as while the program is paused; the next frame's sound
// control gives them their volume back.
void silenceLoops(SoundRegistry& sounds);

}  // namespace vev
