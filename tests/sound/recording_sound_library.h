#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "sound/sound_library.h"

namespace vev {

// What the sound table asked of its library, kept by the test since the table owns the library.
struct LibraryCalls {
  bool initSucceeds = true;
  std::set<std::string> missing;  // paths whose load fails
  int inits = 0;
  int closes = 0;
  std::vector<std::string> loaded;
  std::vector<int> freed;
  std::vector<std::pair<int, bool>> loopModes;     // sample, looping
  std::vector<int> played;                         // samples
  std::vector<int> stopped;                        // channels
  std::vector<std::pair<int, int>> volumes;        // channel, volume
  std::vector<std::pair<int, int>> frequencySets;  // channel, Hz
  std::map<int, int> frequencies;                  // channel -> Hz
  int lastSample = 0;
  int lastChannel = 0;
  std::size_t stopsAtClose = 0;  // how many stops came before the last close
  // Calls that load, play or change a sound.
  int soundCalls() const {
    return static_cast<int>(loaded.size() + loopModes.size() + played.size() + stopped.size() +
                            volumes.size() + frequencySets.size());
  }
};

// A SoundLibrary that records every call; samples play at 22050 Hz on a new channel each time.
class RecordingSoundLibrary final : public SoundLibrary {
 public:
  static constexpr int kSampleRate = 22050;

  explicit RecordingSoundLibrary(LibraryCalls& calls) : calls_(calls) {}

  bool init(int, int) override {
    ++calls_.inits;
    return calls_.initSucceeds;
  }
  void close() override {
    ++calls_.closes;
    calls_.stopsAtClose = calls_.stopped.size();
  }
  int loadSample(const std::string& path) override {
    calls_.loaded.push_back(path);
    return calls_.missing.contains(path) ? 0 : ++calls_.lastSample;
  }
  void freeSample(int sample) override { calls_.freed.push_back(sample); }
  void setLoopMode(int sample, bool looping) override {
    calls_.loopModes.emplace_back(sample, looping);
  }
  int playSound(int sample) override {
    calls_.played.push_back(sample);
    calls_.frequencies[++calls_.lastChannel] = kSampleRate;
    return calls_.lastChannel;
  }
  void stopSound(int channel) override { calls_.stopped.push_back(channel); }
  void setVolume(int channel, int volume) override { calls_.volumes.emplace_back(channel, volume); }
  int getFrequency(int channel) override { return calls_.frequencies[channel]; }
  void setFrequency(int channel, int hertz) override {
    calls_.frequencySets.emplace_back(channel, hertz);
    calls_.frequencies[channel] = hertz;
  }

 private:
  LibraryCalls& calls_;
};

}  // namespace vev
