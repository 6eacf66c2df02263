#include "model/texture_list.h"

namespace vev {

const TextureEntry* TextureList::find(const std::string& path) const {
  for (const TextureEntry& entry : entries_) {
    if (entry.path == path) return &entry;
  }
  return nullptr;
}

TextureEntry& TextureList::append(const std::string& path) {
  TextureEntry& entry = entries_.emplace_back();
  entry.path = path;
  return entry;
}

}  // namespace vev
