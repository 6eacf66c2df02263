#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vev {

// One distinct texture path and its image, read once however many shapes name it.
struct TextureEntry {
  std::string path;     // scene directory and file name, as the shapes' texturePath holds it
  bool loaded = false;  // whether the bitmap could be read
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint8_t> header;     // the bitmap's information block, as read
  std::vector<std::uint8_t> rawPixels;  // pixel bytes, as read
  std::vector<std::uint8_t> rgbPixels;  // RGB rows, bottom row first, each padded to 4 bytes
};

// The textures of every loaded scene file, in load order; lives as long as the program.
class TextureList {
 public:
  // Called once per path whose bitmap cannot be read (the program shows "Could Not read texture").
  using UnreadableHandler = std::function<void(const std::string& path)>;

  explicit TextureList(UnreadableHandler onUnreadable = {})
      : onUnreadable_(std::move(onUnreadable)) {}

  // Returns the entry of `path`, appending it and reading its bitmap when the path is new.
  const TextureEntry& addTexture(const std::string& path);
  // The entry of `path`, or null.
  const TextureEntry* find(const std::string& path) const;

  const std::deque<TextureEntry>& entries() const { return entries_; }

 private:
  UnreadableHandler onUnreadable_;
  std::deque<TextureEntry> entries_;
};

}  // namespace vev
