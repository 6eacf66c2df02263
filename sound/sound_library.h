#pragma once

#include <string>

namespace vev {

// The seam to the platform's sound output: samples are loaded once and played on channels.
// Handles are positive; 0 is "no sample" / "no channel".
class SoundLibrary {
 public:
  virtual ~SoundLibrary() = default;

  // Opens the output device; false when there is none.
  virtual bool init(int mixRate, int channelCount) = 0;
  virtual void close() = 0;
  // Decodes a sample file; 0 when it cannot be read.
  virtual int loadSample(const std::string& path) = 0;
  virtual void freeSample(int sample) = 0;
  // How the next play of the sample loops.
  virtual void setLoopMode(int sample, bool looping) = 0;
  // Starts the sample on a free channel; returns the channel, 0 when none could be had.
  virtual int playSound(int sample) = 0;
  virtual void stopSound(int channel) = 0;
  // Volume 0 (silent) to 255 (full).
  virtual void setVolume(int channel, int volume) = 0;
  // Playback frequency in Hz: the sample's rate times the channel's pitch.
  virtual int getFrequency(int channel) = 0;
  virtual void setFrequency(int channel, int hertz) = 0;
};

}  // namespace vev
