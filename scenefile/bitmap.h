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
// not fit the bytes it holds, with the reason in `why` when given ("is truncated: ...").
std::optional<Bitmap> readBitmapFile(const std::string& path, std::string* why = nullptr);

// What a textured face shows of a bitmap with this information block (as readBitmapFile reads
// it): its picture (24-bit uncompressed rows stored bottom row first), black (any other format),
// or no image at all (rows stored top row first, or no pixels), so that the face keeps its colour.
enum class BitmapLook { picture, black, topDown, empty };
BitmapLook lookOf(const std::vector<std::uint8_t>& header);

// Whether a picture's `pixelBytes` (as read) are too few for rows padded to four bytes, as its
// writer left them unpadded: each row is then shown shifted, the picture sheared.
bool storesUnpaddedRows(const std::vector<std::uint8_t>& header, std::size_t pixelBytes);

// An image to upload: RGB rows, bottom row first, each padded to a multiple of 4 bytes.
struct RgbImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint8_t> rows;
};

// Only 24-bit uncompressed images stored bottom row first are converted. Any other format gives
// one black texel, which modulates a face exactly as a black image of any size would, whatever
// size the file claims; a top-down or empty image gives no image at all.
RgbImage makeRgbImage(const Bitmap& bitmap);

}  // namespace vev
