#pragma once

#include "model/identity.h"
#include "sound/sound_registry.h"

namespace vev {

// Forgets the sound lines of Identities that have left `scene` (a reloaded file's old ones, a
// load that was dropped), stopping what they play, and frees the samples no one plays any more.
void releaseUnusedSounds(SoundRegistry& sounds, const Identity* scene);

}  // namespace vev
