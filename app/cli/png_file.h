#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vev {

// Writes an RGBA frame (top row first) as an 8-bit RGB PNG file; false when it cannot be written.
bool writePngFile(const std::string& path, int width, int height,
                  const std::vector<std::uint8_t>& rgbaRows);

}  // namespace vev
