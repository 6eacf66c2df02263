#include "model/texture_list.h"

#include <utility>

namespace vev {

const TextureEntry* TextureList::find(const std::string& path) const {
  for (const TextureEntry& entry : entries_) {
    if (entry.path == path) return &entry;
  }
  return nullptr;
}

TextureEntry* TextureList::find(const std::string& path) {
  return const_cast<TextureEntry*>(std::as_const(*this).find(path));
}

TextureEntry& TextureList::append(const std::string& path) {
  TextureEntry& entry = entries_.emplace_back();
  entry.path = path;
  return entry;
}

}  // namespace vev
