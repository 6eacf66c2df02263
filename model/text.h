#pragma once

#include <string>
#include <string_view>

namespace vev {

// Names, kinds and keywords are held to 99 characters, as the scene format has always cut them.
inline constexpr std::size_t kTextLimit = 99;

// 0 when the two texts are equal, 1 otherwise; case matters. Every keyword and kind test uses it.
int sameText(std::string_view a, std::string_view b);

// Copies src into dst, cut to kTextLimit characters.
void copyText(std::string& dst, std::string_view src);

// Appends src to dst; the result is cut to kTextLimit characters.
void appendText(std::string& dst, std::string_view src);

}  // namespace vev
