#pragma once

#include "sound/sound_registry.h"

namespace vev {

// Stops the sound of every registered entry, then frees the samples and closes the sound table.
// Doing it again does nothing, so the program may shut sound down early (before saving its
// settings) and still let the view's destructor do it.
void shutdownSound(SoundRegistry& sounds);

}  // namespace vev
