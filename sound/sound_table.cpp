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
  channels_.fill(0);
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
  if (!ready_) return;
  for (int slot = 0; slot < kSlotCount; ++slot) stop(slot);
  freeEverySample();
  channels_.fill(0);
}

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

bool SoundTable::hasSample(int slot) const {
  return ready_ && slot >= 0 && slot < kSlotCount && samples_[slot] != 0;
}

void SoundTable::play(int slot, bool looping) {
  if (!hasSample(slot)) return;
  library_->setLoopMode(samples_[slot], looping);
  channels_[slot] = library_->playSound(samples_[slot]);
}

void SoundTable::stop(int slot) {
  if (hasSample(slot)) library_->stopSound(channels_[slot]);
}

void SoundTable::setVolume(int slot, int volume) {
  if (hasSample(slot)) library_->setVolume(channels_[slot], std::clamp(volume, 0, 255));
}

void SoundTable::scalePitch(int slot, float factor) {
  if (!hasSample(slot)) return;
  const int channel = channels_[slot];
  const double scaled = static_cast<double>(library_->getFrequency(channel)) * factor;
  // A factor that is not a number leaves the frequency alone; converting it would be undefined.
  if (std::isnan(scaled)) return;
  const double limited = std::clamp(scaled, 0.0, static_cast<double>(INT_MAX));
  library_->setFrequency(channel, static_cast<int>(limited));
}

}  // namespace vev
