#pragma once

#include <charconv>
#include <string>

namespace vev {

// `value` as printf's "%.*e" (scientific), "%.*f" (fixed) or "%.*g" (general) writes it in the
// "C" locale, whatever locale the program runs in: the decimal point is always '.'. Screens,
// JSON and files all format their numbers with it.
std::string formatReal(double value, std::chars_format format, int precision);

}  // namespace vev
