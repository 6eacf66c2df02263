#pragma once

#include <array>
#include <memory>
#include <string>

#include "sound/sound_library.h"

namespace vev {

// 100 sample slots over a SoundLibrary, and the channels the samples play on. Every operation
// but init does nothing until init has succeeded; an invalid (outside 0-99) or empty slot, and
// channel 0, are ignored, so a scene plays silently when the device or a sample is missing.
class SoundTable {
 public:
  static constexpr int kSlotCount = 100;
  static constexpr int kMixRate = 44100;
  static constexpr int kChannelCount = 32;

  explicit SoundTable(std::unique_ptr<SoundLibrary> library);

  // Opens the library; false (and sound stays unavailable) when it is already ready or fails.
  bool init();
  // Frees every sample and closes the library.
  void close();
  // Stops and frees every sample, keeping the library open.
  void freeSamples();
  // Loads a sample into the first empty slot; -1 when the load fails or every slot is taken.
  int load(const std::string& path);
  // Stops the slot's sample wherever it plays and empties the slot.
  void free(int slot);
  // Whether every slot holds a sample.
  bool full() const;
  // Starts the slot's sample on a channel of its own and returns that channel (0: none).
  int play(int slot, bool looping);
  void stop(int channel);
  // Volume is clamped to 0-255 before the library sees it.
  void setVolume(int channel, int volume);
  // Multiplies the playback frequency of the channel by `factor`, cut to an integer and kept
  // within 0 to INT_MAX; a NaN factor changes nothing.
  void scalePitch(int channel, float factor);

  bool ready() const { return ready_; }
  SoundLibrary& library() { return *library_; }

 private:
  bool hasSample(int slot) const;
  bool hasChannel(int channel) const { return ready_ && channel != 0; }
  void freeEverySample();

  std::unique_ptr<SoundLibrary> library_;
  std::array<int, kSlotCount> samples_{};
  bool ready_ = false;
};

}  // namespace vev
