#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vev {

// An uncompressed Windows bitmap as read from its file, before conversion.
struct Bitmap {
  std::vector<std::uint8_t> header;  // the information block: from byte 14 to the pixel data
  std::int32_t width = 0;
  std::int32_t height = 0;  // positive: bottom row first
  std::uint16_t bitsPerPixel = 0;
  std::uint32_t compression = 0;
  std::vector<std::uint8_t> pixels;  // the pixel bytes as stored
};

// Reads a BMP file; nothing when it cannot be opened, is no bitmap, or its sizes and offsets do
// not fit the bytes it holds.
std::optional<Bitmap> readBitmapFile(const std::string& path);

// Whether a bitmap with this information block (as readBitmapFile reads it) is converted into
// its picture: 24-bit uncompressed rows stored bottom row first. Any other gives a black image or
// no rows at all.
bool showsPicture(const std::vector<std::uint8_t>& header);

// RGB rows, bottom row first, each padded to a multiple of 4 bytes. Only 24-bit uncompressed
// images are converted; any other format gives a black image of the stated size.
std::vector<std::uint8_t> makeRgbImage(const Bitmap& bitmap);

}  // namespace vev
