#pragma once

#include <string>
#include <vector>

#include "model/pose.h"
#include "render/hud_plane.h"

namespace vev {

// The text grid: 80 columns across h = -1 to 1 and 25 rows down v = 1 to -1.
inline constexpr int kTextColumns = 80;
inline constexpr int kTextRows = 25;

// Where one character of a text goes.
struct GlyphPlacement {
  char code = 0;
  int row = 0;
  int column = 0;
};

// Upper-cases `text` in place and places its characters from (row, column): a newline goes to
// the starting column of the next row, and so does the character after one in the last column.
std::vector<GlyphPlacement> layoutStrokeText(std::string& text, int row, int column);

// The HUD point (h, v) of a glyph point (gx, gy) of the cell at (row, column).
inline float textH(int column, float gx) {
  return (static_cast<float>(column - kTextColumns / 2) + gx) / (kTextColumns / 2);
}
inline float textV(int row, float gy) {
  return (gy - static_cast<float>(row) + 11.5f) * (2.0f / kTextRows);
}

}  // namespace vev
