#include "model/text.h"

namespace vev {

int sameText(std::string_view a, std::string_view b) {
  return a == b ? 0 : 1;
}

void copyText(std::string& dst, std::string_view src) {
  dst.assign(src.substr(0, kTextLimit));
}

void appendText(std::string& dst, std::string_view src) {
  dst.append(src);
  if (dst.size() > kTextLimit) dst.resize(kTextLimit);
}

}  // namespace vev
