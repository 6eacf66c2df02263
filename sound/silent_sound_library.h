#pragma once

#include "sound/sound_library.h"

namespace vev {

// The library used when no sound device can be opened: it never initialises, so the sound table
// stays unavailable and every sound request is dropped.
class SilentSoundLibrary final : public SoundLibrary {
 public:
  bool init(int, int) override { return false; }
  void close() override {}
  int loadSample(const std::string&) override { return 0; }
  void freeSample(int) override {}
  void setLoopMode(int, bool) override {}
  int playSound(int) override { return 0; }
  void stopSound(int) override {}
  void setVolume(int, int) override {}
  int getFrequency(int) override { return 0; }
  void setFrequency(int, int) override {}
};

}  // namespace vev
