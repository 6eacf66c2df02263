#include "sound/openal_channel_pool.h"

#include <algorithm>
#include <climits>
#include <limits>

namespace vev {
namespace {

// Starts per source before its handles repeat; keeps every handle a positive int.
constexpr std::uint32_t kSerialLimit =
    (INT_MAX - OpenAlChannelPool::kMaxChannels) / OpenAlChannelPool::kMaxChannels;

void resetSource(ALuint source) {
  alSourceStop(source);
  alSourcei(source, AL_BUFFER, 0);
}

}  // namespace

bool OpenAlChannelPool::create(int count) {
  release();
  const int wanted = std::clamp(count, 0, kMaxChannels);
  for (int i = 0; i < wanted; ++i) {
    ALuint source = 0;
    alGetError();
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR) break;
    // Sounds are placed by the caller's gain, not by OpenAL's distance model.
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
    channels_.push_back(OpenAlChannel{.source = source});
  }
  return !channels_.empty();
}

void OpenAlChannelPool::release() {
  for (OpenAlChannel& channel : channels_) {
    resetSource(channel.source);
    alDeleteSources(1, &channel.source);
  }
  channels_.clear();
}

int OpenAlChannelPool::start(ALuint buffer, int rate, bool looping) {
  if (channels_.empty()) return 0;
  const std::size_t index = chooseChannel();
  OpenAlChannel& channel = channels_[index];
  resetSource(channel.source);
  alSourcei(channel.source, AL_BUFFER, static_cast<ALint>(buffer));
  alSourcei(channel.source, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
  alSourcef(channel.source, AL_GAIN, 1.0f);
  alSourcef(channel.source, AL_PITCH, 1.0f);
  alSourcePlay(channel.source);
  channel.buffer = buffer;
  channel.rate = rate;
  channel.looping = looping;
  channel.serial = (channel.serial + 1) % kSerialLimit;
  channel.started = ++starts_;
  return handleOf(index);
}

OpenAlChannel* OpenAlChannelPool::find(int handle) {
  if (handle <= 0) return nullptr;
  const auto code = static_cast<std::uint32_t>(handle - 1);
  const std::size_t index = code % kMaxChannels;
  if (index >= channels_.size()) return nullptr;
  OpenAlChannel& channel = channels_[index];
  if (channel.buffer == 0 || channel.serial != code / kMaxChannels) return nullptr;
  return &channel;
}

void OpenAlChannelPool::detach(ALuint buffer) {
  for (OpenAlChannel& channel : channels_) {
    if (channel.buffer != buffer) continue;
    resetSource(channel.source);
    channel.buffer = 0;
  }
}

std::size_t OpenAlChannelPool::chooseChannel() const {
  for (std::size_t i = 0; i < channels_.size(); ++i) {
    if (isFree(channels_[i])) return i;
  }
  const std::size_t oneShot = oldest(true);
  return oneShot < channels_.size() ? oneShot : oldest(false);
}

std::size_t OpenAlChannelPool::oldest(bool oneShotsOnly) const {
  std::size_t best = channels_.size();
  std::uint64_t bestStart = std::numeric_limits<std::uint64_t>::max();
  for (std::size_t i = 0; i < channels_.size(); ++i) {
    const OpenAlChannel& channel = channels_[i];
    if (oneShotsOnly && channel.looping) continue;
    if (channel.started < bestStart) {
      best = i;
      bestStart = channel.started;
    }
  }
  return best;
}

bool OpenAlChannelPool::isFree(const OpenAlChannel& channel) const {
  ALint state = AL_STOPPED;
  alGetSourcei(channel.source, AL_SOURCE_STATE, &state);
  return state != AL_PLAYING && state != AL_PAUSED;
}

int OpenAlChannelPool::handleOf(std::size_t index) const {
  return static_cast<int>(channels_[index].serial * kMaxChannels + index + 1);
}

}  // namespace vev
