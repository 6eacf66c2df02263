#include "tools/bmp_writer.h"

#include "tools/little_endian.h"

namespace vev::assets {
namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

}  // namespace

std::vector<std::uint8_t> encodeBmp(const Image& image) {
  const auto width = static_cast<std::uint32_t>(image.width());
  const auto height = static_cast<std::uint32_t>(image.height());
  const std::uint32_t stride = (width * 3U + 3U) & ~3U;
  const std::uint32_t imageBytes = stride * height;
  const std::uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes;

  std::vector<std::uint8_t> out;
  out.reserve(offset + imageBytes);
  out.push_back('B');
  out.push_back('M');
  putU32(out, offset + imageBytes);
  putU32(out, 0);  // reserved
  putU32(out, offset);

  putU32(out, kInfoHeaderBytes);
  putU32(out, width);
  putU32(out, height);  // positive: bottom row first
  putU16(out, 1);       // planes
  putU16(out, 24);      // bits per pixel
  putU32(out, 0);       // no compression
  putU32(out, imageBytes);
  putU32(out, kPixelsPerMetre);
  putU32(out, kPixelsPerMetre);
  putU32(out, 0);  // colours used: none, no palette
  putU32(out, 0);  // important colours

  for (int y = image.height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.width(); ++x) {
      const auto rgb = image.at(x, y);
      out.push_back(rgb[2]);
      out.push_back(rgb[1]);
      out.push_back(rgb[0]);
    }
    for (std::uint32_t pad = width * 3U; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

}  // namespace vev::assets
