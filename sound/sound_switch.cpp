#include "sound/sound_switch.h"

namespace vev {

void soundOff(SoundRegistry& sounds, std::int32_t& soundEnabled) {
  soundEnabled = 0;
  silenceLoops(sounds);
}

void silenceLoops(SoundRegistry& sounds) {
  for (const auto& [number, entry] : sounds.entries()) {
    if (entry.looping == 1) sounds.table().setVolume(entry.channel, 0);
  }
}

void soundOn(std::int32_t& soundEnabled) {
  soundEnabled = 1;
}

}  // namespace vev
