#pragma once

#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace vev {

using Json = nlohmann::ordered_json;

// `value` as compact-but-readable JSON text: one member or item a line, nested by two spaces,
// except that an array of numbers (a vector, a colour) stays on one line. Floats are printed with
// nine significant digits, so that reading them back gives the same float; NaN and infinities,
// which JSON lacks, as null. The arrays of the members named in `oneItemALine` are listed one
// item a line whatever they hold. The text ends with a line break.
std::string jsonText(const Json& value, std::initializer_list<std::string_view> oneItemALine = {});

}  // namespace vev
