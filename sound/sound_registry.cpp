#include "sound/sound_registry.h"

#include "model/path.h"

namespace vev {

int SoundRegistry::sampleSlotFor(const std::string& path, SoundLoad& load) {
  load = SoundLoad::loaded;
  const auto loaded = slotOfPath_.find(path);
  if (loaded != slotOfPath_.end()) return loaded->second;
  if (!table_.ready()) {
    load = SoundLoad::noDevice;
    return -1;
  }
  if (table_.full()) {
    load = SoundLoad::tableFull;
    return -1;
  }
  const int slot = table_.load(nativePath(path));
  if (slot < 0) {
    load = SoundLoad::unreadable;
  } else {
    slotOfPath_[path] = slot;
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
  for (auto it = slotOfPath_.begin(); it != slotOfPath_.end();) {
    if (playedSlots.count(it->second) != 0) {
      ++it;
      continue;
    }
    table_.free(it->second);
    it = slotOfPath_.erase(it);
  }
}

void SoundRegistry::clear() {
  for (const auto& [number, entry] : entries_) table_.stop(entry.channel);
  table_.freeSamples();
  entries_.clear();
  slotOfPath_.clear();
  nextEntry_ = 0;
}

}  // namespace vev
