#include "sound/sound_table.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace vev {

SoundTable::SoundTable(std::unique_ptr<SoundLibrary> library) : library_(std::move(library)) {}

bool SoundTable::init() {
  if (ready_) return false;
  samples_.fill(0);
  ready_ = library_->init(kMixRate, kChannelCount);
  return ready_;
}

void SoundTable::close() {
  if (!ready_) return;
  freeEverySample();
  library_->close();
  ready_ = false;
}

void SoundTable::freeSamples() {
  if (ready_) freeEverySample();
}

// The library stops a sample wherever it plays before freeing it.
void SoundTable::freeEverySample() {
  for (int& sample : samples_) {
    if (sample != 0) library_->freeSample(sample);
    sample = 0;
  }
}

int SoundTable::load(const std::string& path) {
  if (!ready_) return -1;
  const auto empty = std::find(samples_.begin(), samples_.end(), 0);
  // A full table refuses the sample rather than dropping the one in slot 0.
  if (empty == samples_.end()) return -1;
  const int sample = library_->loadSample(path);
  if (sample == 0) return -1;
  *empty = sample;
  return static_cast<int>(empty - samples_.begin());
}

void SoundTable::free(int slot) {
  if (!hasSample(slot)) return;
  library_->freeSample(samples_[slot]);
  samples_[slot] = 0;
}

bool SoundTable::full() const {
  return std::find(samples_.begin(), samples_.end(), 0) == samples_.end();
}

bool SoundTable::hasSample(int slot) const {
  return ready_ && slot >= 0 && slot < kSlotCount && samples_[slot] != 0;
}

int SoundTable::play(int slot, bool looping) {
  if (!hasSample(slot)) return 0;
  library_->setLoopMode(samples_[slot], looping);
  return library_->playSound(samples_[slot]);
}

void SoundTable::stop(int channel) {
  if (hasChannel(channel)) library_->stopSound(channel);
}

void SoundTable::setVolume(int channel, int volume) {
  if (hasChannel(channel)) library_->setVolume(channel, std::clamp(volume, 0, 255));
}

void SoundTable::scalePitch(int channel, float factor) {
  if (!hasChannel(channel)) return;
  const double scaled = static_cast<double>(library_->getFrequency(channel)) * factor;
  // A factor that is not a number leaves the frequency alone; converting it would be undefined.
  if (std::isnan(scaled)) return;
  const double limited = std::clamp(scaled, 0.0, static_cast<double>(INT_MAX));
  library_->setFrequency(channel, static_cast<int>(limited));
}

}  // namespace vev
