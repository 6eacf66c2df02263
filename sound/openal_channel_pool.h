#pragma once

#include <AL/al.h>

#include <cstdint>
#include <vector>

namespace vev {

// One OpenAL source used as a mixer channel.
struct OpenAlChannel {
  ALuint source = 0;
  ALuint buffer = 0;          // the sample last started on it; 0 when none
  int rate = 0;               // that sample's rate (frames per second)
  bool looping = false;       // whether that start loops
  std::uint32_t serial = 0;   // counts the starts on this source, so old handles go stale
  std::uint64_t started = 0;  // order of the last start among all channels
};

// A fixed pool of OpenAL sources handed out as a mixer hands out channels. A channel handle
// names one start on one source: once the source is given to another sound the handle is stale
// and finds nothing, so a caller holding it cannot change the newer sound.
class OpenAlChannelPool {
 public:
  static constexpr int kMaxChannels = 32;

  OpenAlChannelPool() = default;
  OpenAlChannelPool(const OpenAlChannelPool&) = delete;
  OpenAlChannelPool& operator=(const OpenAlChannelPool&) = delete;

  // Creates up to `count` (at most kMaxChannels) sources in the current context; false when not
  // even one could be created.
  bool create(int count);
  // Stops and deletes every source; the pool's context must be current. Sources not released
  // go with their context when it is destroyed.
  void release();

  // Starts `buffer` at full gain and its own rate on a stopped source, else on the one-shot
  // started longest ago; a looping source is taken only when every source loops. Returns the
  // channel handle (positive), 0 when the pool is empty.
  int start(ALuint buffer, int rate, bool looping);
  // The channel a handle names, or null when the handle is invalid or stale.
  OpenAlChannel* find(int handle);
  // Stops every channel playing `buffer` and detaches it, so the buffer can be deleted.
  void detach(ALuint buffer);

 private:
  std::size_t chooseChannel() const;
  // The channel started longest ago (only among one-shots if asked); the pool size if none.
  std::size_t oldest(bool oneShotsOnly) const;
  bool isFree(const OpenAlChannel& channel) const;
  int handleOf(std::size_t index) const;

  std::vector<OpenAlChannel> channels_;
  std::uint64_t starts_ = 0;
};

}  // namespace vev
