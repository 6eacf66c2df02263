#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace vev::test {

// A directory of its own under the system's temporary directory, removed with everything in it.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vev-bitmap-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes `bytes` to the file `name` in this directory and returns its path.
  std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return file.string();
  }

 private:
  std::filesystem::path path_;
};

inline void putU16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void putU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The bytes of a BMP file: a 14-byte file header, a 40-byte information header, the palette and
// the pixel bytes exactly as given (rows are not padded here).
struct BitmapFile {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t bitsPerPixel = 24;
  std::uint32_t compression = 0;
  std::uint32_t imageSize = 0;  // the header's field, 0 asks the reader to compute it
  std::vector<std::uint8_t> palette;
  std::vector<std::uint8_t> pixels;

  static constexpr std::size_t kHeadersSize = 54;

  std::vector<std::uint8_t> bytes() const {
    std::vector<std::uint8_t> out(kHeadersSize, 0);
    const auto offset = static_cast<std::uint32_t>(kHeadersSize + palette.size());
    out[0] = 'B';
    out[1] = 'M';
    putU32(out, 2, static_cast<std::uint32_t>(offset + pixels.size()));
    putU32(out, 10, offset);
    putU32(out, 14, 40);
    putU32(out, 18, static_cast<std::uint32_t>(width));
    putU32(out, 22, static_cast<std::uint32_t>(height));
    putU16(out, 26, 1);
    putU16(out, 28, bitsPerPixel);
    putU32(out, 30, compression);
    putU32(out, 34, imageSize);
    out.insert(out.end(), palette.begin(), palette.end());
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
  }
};

// A 24-bit image 3 pixels wide and 2 high: each row is three blue, green, red pixels and three
// padding bytes of 0xEE, so that a conversion that copies padding shows it.
inline BitmapFile threeByTwo() {
  BitmapFile file;
  file.width = 3;
  file.height = 2;
  file.imageSize = 24;
  file.pixels = {1,  2,  3,  4,  5,  6,  7,  8,  9,  0xEE, 0xEE, 0xEE,
                 11, 12, 13, 14, 15, 16, 17, 18, 19, 0xEE, 0xEE, 0xEE};
  return file;
}

}  // namespace vev::test
