#pragma once

#include <span>

// The built-in font: every character is one polyline on a 7 x 7 grid of its cell.
namespace vev {

// One point of a glyph's polyline, in units of the character cell: gx to the right, gy up.
struct GlyphPoint {
  float gx = 0.0f;
  float gy = 0.0f;
};

// The polyline of an upper-case letter, a digit or one of "+,-./"; empty for every other code
// (space, ":", lower case, controls), which draws nothing.
std::span<const GlyphPoint> buildGlyph(char code);

}  // namespace vev
