#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/replay_file.h"

// Any bytes are refused or read; what is read is written back to the same bytes' meaning.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string error;
  const auto replay =
      vev::decodeReplay(std::string_view(reinterpret_cast<const char*>(data), size), error);
  if (!replay) return 0;
  std::string bytes = vev::encodeReplayHeader(replay->setup, replay->files);
  const vev::FrameInputs* previous = nullptr;
  const vev::FrameInputs none;
  for (const vev::FrameInputs& frame : replay->frames) {
    bytes += vev::encodeReplayFrame(frame, previous ? *previous : none);
    previous = &frame;
  }
  bytes +=
      vev::encodeReplayEnd(static_cast<std::int64_t>(replay->frames.size()), replay->finalChecksum);
  const auto again = vev::decodeReplay(bytes, error);
  if (!again || again->frames.size() != replay->frames.size() ||
      again->finalChecksum != replay->finalChecksum || again->setup != replay->setup) {
    std::abort();
  }
  return 0;
}
