#include <cstdio>
#include <string>

#include "model/regular_file.h"
#include "sound/sample_decoder.h"
#include "sound/wav_reader.h"

namespace vev {

// The browser build's decoder: WAV files only, read by our own reader.
std::optional<DecodedSample> decodeSample(const std::string& path) {
  const FileHandle file = openRegularStream(path);
  if (!file) return std::nullopt;
  std::string bytes;
  char block[4096];
  for (std::size_t read; (read = std::fread(block, 1, sizeof block, file.get())) > 0;) {
    bytes.append(block, read);
    // A file longer than the longest sample in 24-bit stereo is refused before it is all read.
    if (bytes.size() > static_cast<std::size_t>(kMaxSampleFrames) * 6 + 4096) return std::nullopt;
  }
  return decodeWav(bytes);
}

}  // namespace vev
