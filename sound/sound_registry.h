#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "model/sound_ref.h"
#include "sound/sound_table.h"

namespace vev {

// One registered sound line.
struct SoundEntry {
  std::string path;               // as registered (scene directory and file name)
  std::int16_t sampleSlot = -1;   // slot of the sound table; -1 when the load failed
  std::int16_t channelSlot = -1;  // the same slot
  std::int16_t looping = 0;       // 1 once a jet loop has been started on it
  float gain = 255.0f;            // last computed distance gain
  float pitchFactor = 0.2f;       // last throttle pitch applied
};

// Every sound the loaded scene files named, in registration order; entries are never removed.
class SoundRegistry {
 public:
  explicit SoundRegistry(SoundTable& table) : table_(table) {}

  // Registers one `sound` or `controledsound` line: the path is `directory` followed by
  // `fileName`; a new entry is appended and its sample loaded even when the path is already
  // registered. Fills the ref's path, entry and playRequests (0); leaves its range alone.
  void registerSound(const std::string& directory, const std::string& fileName, SoundRef& ref);

  // The first entry whose slot is `slot`, or null.
  SoundEntry* findEntry(int slot);

  const std::deque<SoundEntry>& entries() const { return entries_; }
  std::deque<SoundEntry>& entries() { return entries_; }
  SoundTable& table() { return table_; }
  // Stops and frees every registered sound and forgets the entries; the table stays open.
  void clear();

 private:
  SoundTable& table_;
  std::deque<SoundEntry> entries_;
};

}  // namespace vev
