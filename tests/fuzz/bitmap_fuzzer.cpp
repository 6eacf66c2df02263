#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "scenefile/bitmap.h"

// The reader opens files by path, so each input goes into an anonymous in-memory file that is
// opened through /proc: no disk is written and nothing is left behind.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const int fd = memfd_create("bitmap", 0);
  if (fd < 0) return 0;
  std::size_t written = 0;
  while (written < size) {
    const ssize_t step = write(fd, data + written, size - written);
    if (step <= 0) break;
    written += static_cast<std::size_t>(step);
  }
  if (written == size) {
    if (const auto bitmap = vev::readBitmapFile("/proc/self/fd/" + std::to_string(fd))) {
      vev::makeRgbImage(*bitmap);
    }
  }
  close(fd);
  return 0;
}
