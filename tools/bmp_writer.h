#pragma once

#include <cstdint>
#include <vector>

#include "tools/image.h"

namespace vev::assets {

// The bytes of an uncompressed 24-bit BMP of the image: a 14-byte file header, a 40-byte
// information header with the image-size field filled in, then the rows bottom first, each in
// blue, green, red order and padded with zeros to a multiple of four bytes.
std::vector<std::uint8_t> encodeBmp(const Image& image);

}  // namespace vev::assets
