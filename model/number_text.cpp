#include "model/number_text.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "model/c_locale_scope.h"

namespace vev {

std::string formatReal(double value, std::chars_format format, int precision) {
  // Enough for any double in fixed form with the precision a caller asks for (at most 17).
  std::array<char, 400> text{};
  const CLocaleScope cLocale;
  int written = 0;
  switch (format) {
    case std::chars_format::scientific:
      written = std::snprintf(text.data(), text.size(), "%.*e", precision, value);
      break;
    case std::chars_format::fixed:
      written = std::snprintf(text.data(), text.size(), "%.*f", precision, value);
      break;
    default:
      written = std::snprintf(text.data(), text.size(), "%.*g", precision, value);
      break;
  }
  const auto length =
      std::clamp<std::size_t>(static_cast<std::size_t>(std::max(written, 0)), 0, text.size() - 1);
  return std::string(text.data(), length);
}

}  // namespace vev
