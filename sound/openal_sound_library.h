#pragma once

#include <memory>
#include <string>

#include "sound/openal_options.h"
#include "sound/sound_library.h"

namespace vev {

struct OpenAlChannel;

// Sound output over OpenAL Soft. Sample files are decoded by libsndfile into 16-bit OpenAL
// buffers and played on a pool of OpenAL sources chosen as a mixer chooses channels. Volume
// 0-255 is the source gain v/255; the frequency is the sample's rate times the source's pitch.
// Sample handles count from 1; a channel handle names one start and goes stale when its source
// is given to another sound.
class OpenAlSoundLibrary final : public SoundLibrary {
 public:
  // The pitch passed to OpenAL stays positive and within what OpenAL Soft can mix (255 times
  // the device rate).
  static constexpr float kMinPitch = 1.0f / 1024.0f;
  static constexpr float kMaxPitch = 255.0f;

  explicit OpenAlSoundLibrary(OpenAlOptions options = {});
  ~OpenAlSoundLibrary() override;
  OpenAlSoundLibrary(const OpenAlSoundLibrary&) = delete;
  OpenAlSoundLibrary& operator=(const OpenAlSoundLibrary&) = delete;

  // Opens the device the options name with a context mixing at `mixRate` Hz and
  // `channelCount` (at most 32) sources; false when that fails or the library is already open.
  bool init(int mixRate, int channelCount) override;
  // Releases every source, buffer, the context and the device.
  void close() override;
  int loadSample(const std::string& path) override;
  // Stops the channels playing the sample before its buffer is released.
  void freeSample(int sample) override;
  void setLoopMode(int sample, bool looping) override;
  int playSound(int sample) override;
  void stopSound(int channel) override;
  void setVolume(int channel, int volume) override;
  // The sample's rate times the channel's pitch, rounded; 0 for a stale or invalid channel.
  int getFrequency(int channel) override;
  // Sets the pitch to hertz / the sample's rate, kept within kMinPitch to kMaxPitch.
  void setFrequency(int channel, int hertz) override;

  // Whether the channel is still playing its sound; false for a stale or invalid channel.
  bool isPlaying(int channel);

 private:
  struct Sample;
  struct Output;

  // The open output with its context made current, or null when closed.
  Output* current();
  // What a handle names in the open output, or null.
  Sample* findSample(int sample);
  OpenAlChannel* findChannel(int channel);

  OpenAlOptions options_;
  std::unique_ptr<Output> output_;
};

}  // namespace vev
