#include "sound/sound_shutdown.h"

namespace vev {

void shutdownSound(SoundRegistry& sounds) {
  SoundTable& table = sounds.table();
  for (const auto& [number, entry] : sounds.entries()) table.stop(entry.channel);
  table.close();
}

}  // namespace vev
