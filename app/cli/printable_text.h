#pragma once

#include <string>
#include <string_view>

namespace vev {

// `text` with each byte that is not part of a printable UTF-8 character shown as '?', for
// messages that quote a file's own bytes, which may be anything a terminal would obey.
std::string printableText(std::string_view text);

}  // namespace vev
