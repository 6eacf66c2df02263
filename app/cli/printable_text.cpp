#include "app/cli/printable_text.h"

#include <algorithm>

namespace vev {

namespace {

// How many bytes the well-formed UTF-8 character at the start of `text` takes; 0 when it is none
// or a control character, which a terminal could take as a command.
std::size_t printableCharacterSize(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return lead >= 0x20 && lead != 0x7F ? 1 : 0;
  std::size_t size = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    size = 2;
    if (lead == 0xC2) low = 0xA0;  // C1 controls
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    size = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    size = 4;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
  }
  if (size == 0 || text.size() < size || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < size; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return size;
}

}  // namespace

std::string printableText(std::string_view text) {
  std::string printable;
  while (!text.empty()) {
    const std::size_t size = printableCharacterSize(text);
    printable += size == 0 ? std::string_view("?") : text.substr(0, size);
    text.remove_prefix(std::max<std::size_t>(size, 1));
  }
  return printable;
}

}  // namespace vev
