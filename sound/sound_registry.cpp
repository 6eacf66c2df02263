#include "sound/sound_registry.h"

#include "model/path.h"

namespace vev {
namespace {

std::filesystem::file_time_type modifiedTime(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::last_write_time(nativePath(path), ignored);
}

}  // namespace

int SoundRegistry::sampleSlotFor(const std::string& path, SoundLoad& load) {
  load = SoundLoad::loaded;
  const auto loaded = loaded_.find(path);
  if (loaded != loaded_.end()) return loaded->second.slot;
  if (!table_.ready()) {
    load = SoundLoad::noDevice;
    return -1;
  }
  if (table_.full()) {
    load = SoundLoad::tableFull;
    return -1;
  }
  const std::filesystem::file_time_type modified = modifiedTime(path);
  const int slot = table_.load(nativePath(path));
  if (slot < 0) {
    load = SoundLoad::unreadable;
  } else {
    loaded_[path] = {slot, modified};
  }
  return slot;
}

SoundLoad SoundRegistry::registerSound(const std::string& directory, const std::string& fileName,
                                       SoundRef& ref) {
  const std::int32_t number = nextEntry_++;
  SoundEntry& entry = entries_[number];
  entry.path = inSceneDirectory(directory, fileName);
  SoundLoad load = SoundLoad::loaded;
  entry.sampleSlot = static_cast<std::int16_t>(sampleSlotFor(entry.path, load));
  ref.path = entry.path;
  ref.entry = number;
  ref.playRequests = 0;
  return load;
}

bool SoundRegistry::rereadSample(const std::string& path) {
  const auto loaded = loaded_.find(path);
  if (loaded == loaded_.end()) return false;
  const std::filesystem::file_time_type modified = modifiedTime(path);
  if (modified == loaded->second.modified) return false;
  const int fresh = table_.load(nativePath(path));
  if (fresh < 0) return false;
  for (auto& [number, entry] : entries_) {
    if (entry.sampleSlot != loaded->second.slot) continue;
    table_.stop(entry.channel);
    entry.channel = 0;
    entry.looping = 0;
    entry.sampleSlot = static_cast<std::int16_t>(fresh);
  }
  table_.free(loaded->second.slot);
  loaded->second = {fresh, modified};
  return true;
}

SoundEntry* SoundRegistry::findEntry(std::int32_t entry) {
  const auto found = entries_.find(entry);
  return found == entries_.end() ? nullptr : &found->second;
}

void SoundRegistry::keepOnly(const std::set<std::int32_t>& used) {
  std::set<int> playedSlots;
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (used.count(it->first) != 0) {
      playedSlots.insert(it->second.sampleSlot);
      ++it;
      continue;
    }
    table_.stop(it->second.channel);
    it = entries_.erase(it);
  }
  for (auto it = loaded_.begin(); it != loaded_.end();) {
    if (playedSlots.count(it->second.slot) != 0) {
      ++it;
      continue;
    }
    table_.free(it->second.slot);
    it = loaded_.erase(it);
  }
}

void SoundRegistry::clear() {
  for (const auto& [number, entry] : entries_) table_.stop(entry.channel);
  table_.freeSamples();
  entries_.clear();
  loaded_.clear();
  nextEntry_ = 0;
}

}  // namespace vev
