#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "net/messages.h"

// Any packet is refused or read; what is read is written back to a packet of the same meaning.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto message =
      vev::decodeMessage(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!message) return 0;
  const auto again = vev::decodeMessage(vev::encodeMessage(*message));
  if (!again || *again != *message) std::abort();
  return 0;
}
