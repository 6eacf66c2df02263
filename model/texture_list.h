#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace vev {

// One distinct texture path and its image, read once however many shapes name it.
struct TextureEntry {
  std::string path;        // scene directory and file name, as the shapes' texturePath holds it
  bool loaded = false;     // whether the bitmap could be read
  std::int32_t width = 0;  // as the bitmap states them
  std::int32_t height = 0;
  std::vector<std::uint8_t> header;     // the bitmap's information block, as read
  std::vector<std::uint8_t> rawPixels;  // pixel bytes, as read
  // The image to upload: RGB rows, bottom row first, each padded to 4 bytes. One black texel for
  // a format that is not converted; none for an image without rows.
  std::int32_t imageWidth = 0;
  std::int32_t imageHeight = 0;
  std::vector<std::uint8_t> rgbPixels;
  std::uint32_t revision = 0;  // counts the times the bitmap changed on disk and was read again
};

// The textures of every loaded scene file, in load order; lives as long as the program. The
// scene-file loader fills it and the renderer uploads from it.
class TextureList {
 public:
  // The entry of `path`, or null.
  const TextureEntry* find(const std::string& path) const;
  TextureEntry* find(const std::string& path);
  // Appends an entry for a path not yet in the list; references to entries stay valid.
  TextureEntry& append(const std::string& path);

  const std::deque<TextureEntry>& entries() const { return entries_; }
  // Forgets every entry, for a scene built anew.
  void clear() { entries_.clear(); }

 private:
  std::deque<TextureEntry> entries_;
};

}  // namespace vev
