#include "app/sound_switch.h"

namespace vev {

void soundOff(ViewState& view) {
  view.settings.soundEnabled = 0;
  for (const SoundEntry& entry : view.sounds.entries()) {
    if (entry.looping == 1) view.soundTable.setVolume(entry.sampleSlot, 0);
  }
}

void soundOn(ViewState& view) {
  view.settings.soundEnabled = 1;
}

void closeSound(ViewState& view) {
  for (const SoundEntry& entry : view.sounds.entries()) view.soundTable.stop(entry.sampleSlot);
  view.soundTable.close();
}

}  // namespace vev
