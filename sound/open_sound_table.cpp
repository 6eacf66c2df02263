#include "sound/open_sound_table.h"

#include <memory>

#include "sound/openal_sound_library.h"
#include "sound/silent_sound_library.h"

namespace vev {

SoundTable openSoundTable(const OpenAlOptions& options) {
  SoundTable table(std::make_unique<OpenAlSoundLibrary>(options));
  if (table.init()) return table;
  return SoundTable(std::make_unique<SilentSoundLibrary>());
}

}  // namespace vev
