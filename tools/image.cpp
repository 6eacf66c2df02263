#include "tools/image.h"

#include <cmath>

#include "tools/exact_math.h"

namespace vev::assets {
namespace {

std::uint8_t toByte(double channel) {
  return static_cast<std::uint8_t>(std::floor(clamp01(channel) * 255.0 + 0.5));
}

}  // namespace

void Image::set(int x, int y, const Colour& colour) {
  const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3U;
  for (std::size_t c = 0; c < 3; ++c) pixels_[at + c] = toByte(colour[c]);
}

std::array<std::uint8_t, 3> Image::at(int x, int y) const {
  const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3U;
  return {pixels_[at], pixels_[at + 1], pixels_[at + 2]};
}

}  // namespace vev::assets
