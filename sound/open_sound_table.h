#pragma once

#include "sound/openal_options.h"
#include "sound/sound_table.h"

namespace vev {

// The sound table of a run: over OpenAL Soft and initialised, or, when the device cannot be
// opened, over the silent library and not ready, so that every sound request is dropped and
// nothing else changes.
SoundTable openSoundTable(const OpenAlOptions& options);

}  // namespace vev
