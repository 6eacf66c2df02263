#include "app/json_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/number_text.h"

namespace vev {
namespace {

using Names = std::initializer_list<std::string_view>;

std::string scalarText(const Json& value) {
  if (!value.is_number_float()) return value.dump(-1, ' ', true);
  const auto number = static_cast<float>(value.get<double>());
  return std::isfinite(number) ? formatReal(number, std::chars_format::general, 9) : "null";
}

bool onOneLine(const Json& value, std::string_view name, Names oneItemALine) {
  return value.is_array() &&
         std::all_of(value.begin(), value.end(),
                     [](const Json& item) { return item.is_number(); }) &&
         std::find(oneItemALine.begin(), oneItemALine.end(), name) == oneItemALine.end();
}

void newline(std::string& out, int depth) {
  out += '\n';
  out.append(2 * static_cast<std::size_t>(depth), ' ');
}

void print(const Json& value, std::string_view name, int depth, Names oneItemALine,
           std::string& out) {
  if (!value.is_structured()) {
    out += scalarText(value);
    return;
  }
  const bool object = value.is_object();
  const bool oneLine = onOneLine(value, name, oneItemALine);
  out += object ? '{' : '[';
  bool first = true;
  for (const auto& item : value.items()) {
    if (!first) out += oneLine ? ", " : ",";
    if (!oneLine) newline(out, depth + 1);
    first = false;
    if (object) out += Json(item.key()).dump(-1, ' ', true) + ": ";
    print(item.value(), object ? std::string_view(item.key()) : std::string_view(), depth + 1,
          oneItemALine, out);
  }
  if (!first && !oneLine) newline(out, depth);
  out += object ? '}' : ']';
}

}  // namespace

std::string jsonText(const Json& value, Names oneItemALine) {
  std::string out;
  print(value, {}, 0, oneItemALine, out);
  out += '\n';
  return out;
}

}  // namespace vev
