#include "scenefile/bitmap.h"

#include <algorithm>
#include <cstddef>
#include <fstream>

namespace vev {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint16_t kSignature = 19778;  // "BM"
constexpr std::size_t kPixelOffsetField = 10;

// Offsets within the information block, and the bytes it needs to hold them all.
constexpr std::size_t kWidthField = 4;
constexpr std::size_t kHeightField = 8;
constexpr std::size_t kBitsPerPixelField = 14;
constexpr std::size_t kCompressionField = 16;
constexpr std::size_t kImageSizeField = 20;
constexpr std::size_t kInformationFieldsSize = 24;

// Larger sides are refused: this keeps the black image of an unconverted format, which is as
// large as the header says whatever the file holds, at 192 MiB at most.
constexpr std::int64_t kMaxBitmapSide = 8192;

constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint16_t kConvertedBitsPerPixel = 24;

// Bytes are read in steps of this size, so a count taken from the file allocates no more than
// the file really holds.
constexpr std::size_t kReadChunk = 64 * 1024;

std::uint16_t readU16(const std::uint8_t* bytes) {
  return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t readU32(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::int32_t readI32(const std::uint8_t* bytes) {
  return static_cast<std::int32_t>(readU32(bytes));
}

// Up to `count` bytes from the stream; fewer when it ends first.
std::vector<std::uint8_t> readUpTo(std::istream& in, std::size_t count) {
  std::vector<std::uint8_t> bytes;
  while (bytes.size() < count && in) {
    const std::size_t had = bytes.size();
    const std::size_t step = std::min(kReadChunk, count - had);
    bytes.resize(had + step);
    in.read(reinterpret_cast<char*>(bytes.data() + had), static_cast<std::streamsize>(step));
    bytes.resize(had + static_cast<std::size_t>(in.gcount()));
  }
  return bytes;
}

// Bytes of one stored row, without and with its padding to a multiple of 4.
std::int64_t rowBytes(std::int64_t bitsPerPixel, std::int64_t width) {
  return (bitsPerPixel * width + 7) / 8;
}

std::int64_t paddedRowBytes(std::int64_t bitsPerPixel, std::int64_t width) {
  return (bitsPerPixel * width + 31) / 32 * 4;
}

// Three bytes per pixel rounded up to a multiple of 4; both the stored 24-bit rows and the RGB
// rows have this length.
std::size_t rgbStride(std::int32_t width) {
  return (3 * static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
}

bool isConvertedFormat(std::uint16_t bitsPerPixel, std::uint32_t compression) {
  return compression == kUncompressed && bitsPerPixel == kConvertedBitsPerPixel;
}

bool hasBoundedSides(std::int64_t width, std::int64_t height) {
  return width >= 0 && width <= kMaxBitmapSide && height >= -kMaxBitmapSide &&
         height <= kMaxBitmapSide;
}

}  // namespace

std::optional<Bitmap> readBitmapFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;

  const std::vector<std::uint8_t> fileHeader = readUpTo(in, kFileHeaderSize);
  if (fileHeader.size() < kFileHeaderSize || readU16(fileHeader.data()) != kSignature) {
    return std::nullopt;
  }
  const std::uint32_t pixelOffset = readU32(fileHeader.data() + kPixelOffsetField);
  if (pixelOffset < kFileHeaderSize + kInformationFieldsSize) return std::nullopt;

  Bitmap bitmap;
  bitmap.header = readUpTo(in, pixelOffset - kFileHeaderSize);
  if (bitmap.header.size() < pixelOffset - kFileHeaderSize) return std::nullopt;
  const std::uint8_t* info = bitmap.header.data();
  bitmap.width = readI32(info + kWidthField);
  bitmap.height = readI32(info + kHeightField);
  bitmap.bitsPerPixel = readU16(info + kBitsPerPixelField);
  bitmap.compression = readU32(info + kCompressionField);
  if (!hasBoundedSides(bitmap.width, bitmap.height)) return std::nullopt;

  // A size field of 0 means the rows as stored, padded; a file that ends before the padding of
  // its last rows is still read as long as the unpadded pixel bytes are there.
  const std::int64_t rows = bitmap.height < 0 ? -std::int64_t{bitmap.height} : bitmap.height;
  const std::uint32_t imageSize = readU32(info + kImageSizeField);
  const std::int64_t wanted =
      imageSize != 0 ? imageSize : rows * paddedRowBytes(bitmap.bitsPerPixel, bitmap.width);
  const std::int64_t needed =
      imageSize != 0 ? imageSize : rows * rowBytes(bitmap.bitsPerPixel, bitmap.width);
  bitmap.pixels = readUpTo(in, static_cast<std::size_t>(wanted));
  if (static_cast<std::int64_t>(bitmap.pixels.size()) < needed) return std::nullopt;
  return bitmap;
}

bool showsPicture(const std::vector<std::uint8_t>& header) {
  if (header.size() < kInformationFieldsSize) return false;
  return readI32(header.data() + kHeightField) > 0 &&
         isConvertedFormat(readU16(header.data() + kBitsPerPixelField),
                           readU32(header.data() + kCompressionField));
}

std::vector<std::uint8_t> makeRgbImage(const Bitmap& bitmap) {
  // A top-down bitmap (negative height) has no rows to convert.
  if (bitmap.height <= 0 || !hasBoundedSides(bitmap.width, bitmap.height)) return {};
  const std::size_t stride = rgbStride(bitmap.width);
  const auto height = static_cast<std::size_t>(bitmap.height);
  std::vector<std::uint8_t> rgb(stride * height, 0);
  if (!isConvertedFormat(bitmap.bitsPerPixel, bitmap.compression)) return rgb;
  // Rows keep their stored order (bottom first); pixels missing from a short file stay black.
  const std::vector<std::uint8_t>& stored = bitmap.pixels;
  for (std::size_t row = 0; row < height; ++row) {
    for (std::size_t x = 0; x < static_cast<std::size_t>(bitmap.width); ++x) {
      const std::size_t at = row * stride + 3 * x;
      if (at + 3 > stored.size()) return rgb;
      rgb[at] = stored[at + 2];
      rgb[at + 1] = stored[at + 1];
      rgb[at + 2] = stored[at];
    }
  }
  return rgb;
}

}  // namespace vev
