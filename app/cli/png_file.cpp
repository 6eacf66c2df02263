#include "app/cli/png_file.h"

#include <png.h>

#include <cstddef>

namespace vev {

bool writePngFile(const std::string& path, int width, int height,
                  const std::vector<std::uint8_t>& rgbaRows) {
  if (width <= 0 || height <= 0) return false;
  const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  if (rgbaRows.size() < pixels * 4) return false;
  std::vector<std::uint8_t> rgb(pixels * 3);
  for (std::size_t i = 0; i < pixels; ++i) {
    for (std::size_t c = 0; c < 3; ++c) rgb[i * 3 + c] = rgbaRows[i * 4 + c];
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  const bool written = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr);
  png_image_free(&image);
  return written;
}

}  // namespace vev
