#include "model/number_text.h"

#include <array>

namespace vev {

std::string formatReal(double value, std::chars_format format, int precision) {
  // Enough for any double in fixed form with the precision a caller asks for (at most 17).
  std::array<char, 400> text{};
  const std::to_chars_result written =
      std::to_chars(text.data(), text.data() + text.size(), value, format, precision);
  return std::string(text.data(), written.ptr);
}

}  // namespace vev
