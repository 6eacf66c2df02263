#include "sound/sound_registry.h"

#include "model/path.h"

namespace vev {

void SoundRegistry::registerSound(const std::string& directory, const std::string& fileName,
                                  SoundRef& ref) {
  SoundEntry& entry = entries_.emplace_back();
  entry.path = inSceneDirectory(directory, fileName);
  const int slot = table_.load(nativePath(entry.path));
  entry.sampleSlot = static_cast<std::int16_t>(slot);
  entry.channelSlot = static_cast<std::int16_t>(slot);
  ref.path = entry.path;
  ref.entry = static_cast<std::int16_t>(slot);
  ref.playRequests = 0;
}

SoundEntry* SoundRegistry::findEntry(int slot) {
  for (SoundEntry& entry : entries_) {
    if (entry.sampleSlot == slot) return &entry;
  }
  return nullptr;
}

void SoundRegistry::clear() {
  table_.freeSamples();
  entries_.clear();
}

}  // namespace vev
