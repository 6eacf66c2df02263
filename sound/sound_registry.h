#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "model/sound_ref.h"
#include "sound/sound_table.h"

namespace vev {

// One registered sound line: the sample it plays and the channel state of its own emitter.
struct SoundEntry {
  std::string path;              // as registered (scene directory and file name)
  std::int16_t sampleSlot = -1;  // slot of the sound table; -1 when the sample is missing
  std::int32_t channel = 0;      // the channel the line last started; 0 when none
  std::int16_t looping = 0;      // 1 once a jet loop has been started on it
  float gain = 255.0f;           // last computed distance gain
  float pitchFactor = 0.2f;      // last throttle pitch applied
};

// How the registration of a sound line went.
enum class SoundLoad {
  loaded,      // the sample plays
  unreadable,  // the file cannot be read or decoded as a sound
  tableFull,   // every slot of the sound table holds another sample
  noDevice,    // sound is unavailable in this run
};

// Every sound line of the loaded scene files, by entry number. A sample file is loaded once,
// into one slot, however many lines name it; each line keeps a channel of its own.
class SoundRegistry {
 public:
  explicit SoundRegistry(SoundTable& table) : table_(table) {}

  // Registers one `sound` or `controledsound` line: the path is `directory` followed by
  // `fileName`. Adds a new entry, whose sample is the one already loaded from that path or is
  // loaded now. Fills the ref's path, entry and playRequests (0); leaves its range alone.
  SoundLoad registerSound(const std::string& directory, const std::string& fileName, SoundRef& ref);

  // Loads the sample of `path` again when the file has changed on disk since it was loaded, for
  // an author who edits it while the program runs: every line that plays it plays the new one
  // from its next start (what plays now is stopped), and the old sample is freed, so the path
  // keeps one slot. A path not loaded, unchanged, or that cannot be loaded now (caught while it
  // is written, or no slot free) changes nothing; true when the sample was replaced.
  bool rereadSample(const std::string& path);

  // The entry with that number, or null.
  SoundEntry* findEntry(std::int32_t entry);
  // Stops and forgets every entry not in `used`, and frees the samples no entry plays any more.
  void keepOnly(const std::set<std::int32_t>& used);

  const std::map<std::int32_t, SoundEntry>& entries() const { return entries_; }
  SoundTable& table() { return table_; }
  // Stops and frees every registered sound and forgets the entries, whose numbers start again
  // from 0; the table stays open.
  void clear();

 private:
  int sampleSlotFor(const std::string& path, SoundLoad& load);

  SoundTable& table_;
  std::map<std::int32_t, SoundEntry> entries_;
  struct LoadedSample {
    int slot = -1;
    std::filesystem::file_time_type modified;  // the file's time stamp when it was loaded
  };
  std::map<std::string, LoadedSample> loaded_;  // the samples loaded, by path
  std::int32_t nextEntry_ = 0;
};

}  // namespace vev
