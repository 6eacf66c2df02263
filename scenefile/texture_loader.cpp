#include "scenefile/texture_loader.h"

#include <optional>
#include <utility>

#include "model/path.h"
#include "scenefile/bitmap.h"

namespace vev {
namespace {

void takeImage(TextureEntry& entry, Bitmap bitmap) {
  entry.loaded = true;
  entry.width = bitmap.width;
  entry.height = bitmap.height;
  RgbImage image = makeRgbImage(bitmap);
  entry.imageWidth = image.width;
  entry.imageHeight = image.height;
  entry.rgbPixels = std::move(image.rows);
  entry.header = std::move(bitmap.header);
  entry.rawPixels = std::move(bitmap.pixels);
}

}  // namespace

const TextureEntry& addTexture(TextureList& textures, const std::string& path,
                               const UnreadableTextureHandler& onUnreadable) {
  if (const TextureEntry* known = textures.find(path)) return *known;
  TextureEntry& entry = textures.append(path);
  std::optional<Bitmap> bitmap = readBitmapFile(nativePath(path));
  if (!bitmap) {
    if (onUnreadable) onUnreadable(path);
    return entry;
  }
  takeImage(entry, std::move(*bitmap));
  return entry;
}

bool rereadTexture(TextureList& textures, const std::string& path) {
  TextureEntry* entry = textures.find(path);
  if (!entry) return false;
  std::optional<Bitmap> bitmap = readBitmapFile(nativePath(path));
  if (!bitmap) return false;
  if (entry->loaded && bitmap->header == entry->header && bitmap->pixels == entry->rawPixels) {
    return false;
  }
  takeImage(*entry, std::move(*bitmap));
  ++entry->revision;
  return true;
}

}  // namespace vev
