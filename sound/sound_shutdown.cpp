#include "sound/sound_shutdown.h"

namespace vev {

void shutdownSound(SoundRegistry& sounds) {
  SoundTable& table = sounds.table();
  for (const SoundEntry& entry : sounds.entries()) table.stop(entry.sampleSlot);
  table.close();
}

}  // namespace vev
