#include "render/stroke_text.h"

namespace vev {

std::vector<GlyphPlacement> layoutStrokeText(std::string& text, int row, int column) {
  std::vector<GlyphPlacement> placements;
  placements.reserve(text.size());
  int r = row;
  int c = column;
  for (char& code : text) {
    if (code >= 'a' && code <= 'z') code = static_cast<char>(code - 'a' + 'A');
    placements.push_back({code, r, c});
    if (code == '\n' || c == kTextColumns - 1) {
      ++r;
      c = column;
    } else {
      ++c;
    }
  }
  return placements;
}

}  // namespace vev
