#include "scenefile/texture_list.h"

#include "model/path.h"
#include "scenefile/bitmap.h"

namespace vev {

const TextureEntry& TextureList::addTexture(const std::string& path) {
  if (const TextureEntry* known = find(path)) return *known;
  TextureEntry& entry = entries_.emplace_back();
  entry.path = path;
  std::optional<Bitmap> bitmap = readBitmapFile(nativePath(path));
  if (!bitmap) {
    if (onUnreadable_) onUnreadable_(path);
    return entry;
  }
  entry.loaded = true;
  entry.width = bitmap->width;
  entry.height = bitmap->height;
  entry.rgbPixels = makeRgbImage(*bitmap);
  entry.header = std::move(bitmap->header);
  entry.rawPixels = std::move(bitmap->pixels);
  return entry;
}

const TextureEntry* TextureList::find(const std::string& path) const {
  for (const TextureEntry& entry : entries_) {
    if (entry.path == path) return &entry;
  }
  return nullptr;
}

}  // namespace vev
