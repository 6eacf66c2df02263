#include "scenefile/bitmap.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "model/regular_file.h"

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

// Larger sides are refused, so that no header can ask for an unbounded allocation.
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

// Up to `count` bytes from the file; fewer when it ends first.
std::vector<std::uint8_t> readUpTo(std::FILE* in, std::size_t count) {
  std::vector<std::uint8_t> bytes;
  while (bytes.size() < count) {
    const std::size_t had = bytes.size();
    const std::size_t step = std::min(kReadChunk, count - had);
    bytes.resize(had + step);
    const std::size_t read = std::fread(bytes.data() + had, 1, step, in);
    bytes.resize(had + read);
    if (read < step) break;
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

std::string truncation(std::uint64_t had, std::uint64_t needed) {
  return "is truncated: it ends at byte " + std::to_string(had) + " of the " +
         std::to_string(needed) + " its header announces";
}

}  // namespace

std::optional<Bitmap> readBitmapFile(const std::string& path, std::string* why) {
  const auto refuse = [why](std::string reason) {
    if (why) *why = std::move(reason);
    return std::nullopt;
  };
  const FileHandle file = openRegularStream(path);
  if (!file) return refuse("cannot be opened");
  std::FILE* in = file.get();

  const std::vector<std::uint8_t> fileHeader = readUpTo(in, kFileHeaderSize);
  if (fileHeader.size() < kFileHeaderSize || readU16(fileHeader.data()) != kSignature) {
    return refuse("does not start as a bitmap does (with `BM`)");
  }
  const std::uint32_t pixelOffset = readU32(fileHeader.data() + kPixelOffsetField);
  if (pixelOffset < kFileHeaderSize + kInformationFieldsSize) {
    return refuse("puts its pixels at byte " + std::to_string(pixelOffset) +
                  ", inside its own header");
  }

  Bitmap bitmap;
  bitmap.header = readUpTo(in, pixelOffset - kFileHeaderSize);
  if (bitmap.header.size() < pixelOffset - kFileHeaderSize) {
    return refuse(truncation(kFileHeaderSize + bitmap.header.size(), pixelOffset));
  }
  const std::uint8_t* info = bitmap.header.data();
  bitmap.width = readI32(info + kWidthField);
  bitmap.height = readI32(info + kHeightField);
  bitmap.bitsPerPixel = readU16(info + kBitsPerPixelField);
  bitmap.compression = readU32(info + kCompressionField);
  if (!hasBoundedSides(bitmap.width, bitmap.height)) {
    return refuse("is " + std::to_string(bitmap.width) + " x " + std::to_string(bitmap.height) +
                  " pixels: a texture is at most " + std::to_string(kMaxBitmapSide) +
                  " pixels a side");
  }

  // The rows of a converted image are what its width and height need, padded; uncompressed files
  // often carry 0 or a wrong value in the size field. Other formats are read as the size field
  // says, 0 meaning the padded rows. A file that ends before the padding of its last rows is
  // still read as long as the unpadded pixel bytes are there.
  const std::int64_t rows = bitmap.height < 0 ? -std::int64_t{bitmap.height} : bitmap.height;
  const std::uint32_t imageSize = readU32(info + kImageSizeField);
  const bool sizedByRows =
      imageSize == 0 || isConvertedFormat(bitmap.bitsPerPixel, bitmap.compression);
  const std::int64_t wanted =
      sizedByRows ? rows * paddedRowBytes(bitmap.bitsPerPixel, bitmap.width) : imageSize;
  const std::int64_t needed =
      sizedByRows ? rows * rowBytes(bitmap.bitsPerPixel, bitmap.width) : imageSize;
  bitmap.pixels = readUpTo(in, static_cast<std::size_t>(wanted));
  if (static_cast<std::int64_t>(bitmap.pixels.size()) < needed) {
    const std::string compressed = bitmap.compression == kUncompressed ? "" : "is compressed, and ";
    return refuse(compressed + truncation(pixelOffset + bitmap.pixels.size(),
                                          static_cast<std::uint64_t>(pixelOffset + needed)));
  }
  return bitmap;
}

BitmapLook lookOf(const std::vector<std::uint8_t>& header) {
  if (header.size() < kInformationFieldsSize) return BitmapLook::empty;
  const std::int32_t width = readI32(header.data() + kWidthField);
  const std::int32_t height = readI32(header.data() + kHeightField);
  if (width <= 0 || height == 0) return BitmapLook::empty;
  if (height < 0) return BitmapLook::topDown;
  const bool converted = isConvertedFormat(readU16(header.data() + kBitsPerPixelField),
                                           readU32(header.data() + kCompressionField));
  return converted ? BitmapLook::picture : BitmapLook::black;
}

bool storesUnpaddedRows(const std::vector<std::uint8_t>& header, std::size_t pixelBytes) {
  if (lookOf(header) != BitmapLook::picture) return false;
  const std::int64_t width = readI32(header.data() + kWidthField);
  const std::int64_t rows = readI32(header.data() + kHeightField);
  const std::int64_t row = rowBytes(kConvertedBitsPerPixel, width);
  const std::int64_t padded = paddedRowBytes(kConvertedBitsPerPixel, width);
  return row != padded && static_cast<std::int64_t>(pixelBytes) < (rows - 1) * padded + row;
}

RgbImage makeRgbImage(const Bitmap& bitmap) {
  // A top-down bitmap (negative height) has no rows to convert.
  if (bitmap.width <= 0 || bitmap.height <= 0 || !hasBoundedSides(bitmap.width, bitmap.height)) {
    return {};
  }
  if (!isConvertedFormat(bitmap.bitsPerPixel, bitmap.compression)) {
    return {1, 1, std::vector<std::uint8_t>(rgbStride(1), 0)};
  }
  const std::size_t stride = rgbStride(bitmap.width);
  const auto height = static_cast<std::size_t>(bitmap.height);
  RgbImage image{bitmap.width, bitmap.height, std::vector<std::uint8_t>(stride * height, 0)};
  // Rows keep their stored order (bottom first); pixels missing from a short file stay black.
  std::vector<std::uint8_t>& rgb = image.rows;
  const std::vector<std::uint8_t>& stored = bitmap.pixels;
  for (std::size_t row = 0; row < height; ++row) {
    for (std::size_t x = 0; x < static_cast<std::size_t>(bitmap.width); ++x) {
      const std::size_t at = row * stride + 3 * x;
      if (at + 3 > stored.size()) return image;
      rgb[at] = stored[at + 2];
      rgb[at + 1] = stored[at + 1];
      rgb[at + 2] = stored[at];
    }
  }
  return image;
}

}  // namespace vev
