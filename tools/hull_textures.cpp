#include <cmath>

#include "tools/exact_math.h"
#include "tools/noise.h"
#include "tools/panel_pattern.h"
#include "tools/textures.h"

namespace vev::assets {
namespace {

constexpr int kHullSide = 128;

// A panel's own tone, the same wherever the wrap puts it.
double panelTone(const PanelCell& cell, int columns, std::uint32_t seed) {
  const int column = ((cell.column % columns) + columns) % columns;
  return latticeValue(column, cell.row, seed);
}

// Fine grain in [-1, 1], tiling with the picture.
double grain(int x, int y, std::uint32_t seed) {
  return fractalNoise(x / 4.0, y / 4.0, kHullSide / 4, 3, seed) * 2.0 - 1.0;
}

// A rivet every `spacing` pixels along the seams, `inset` pixels inside the panel.
bool isRivet(const PanelCell& cell, int spacing, int inset) {
  const bool alongTop = cell.fromTop == inset && cell.fromLeft % spacing == spacing / 2;
  const bool alongLeft = cell.fromLeft == inset && cell.fromTop % spacing == spacing / 2;
  return alongTop || alongLeft;
}

}  // namespace

Image makePlating() {
  Image image(kHullSide, kHullSide);
  const Colour base{0.80, 0.82, 0.86};
  const Colour accent{0.28, 0.45, 0.78};
  for (int y = 0; y < kHullSide; ++y) {
    for (int x = 0; x < kHullSide; ++x) {
      const PanelCell cell = panelCellAt(x, y, 32, 32, true);
      const double tone = panelTone(cell, 4, 11);
      Colour colour = (0.88 + 0.14 * tone + 0.03 * grain(x, y, 12)) * base;
      // One panel in five carries a blue hatch.
      const bool hatch = tone > 0.8 && cell.fromLeft > 8 && cell.fromRight > 8 &&
                         cell.fromTop > 10 && cell.fromBottom > 10;
      if (hatch) colour = mixColour(colour, accent, 0.75);
      const int seam = seamShade(cell);
      if (seam < 0) colour = 0.45 * colour;
      if (seam > 0) colour = 1.10 * colour;
      if (isRivet(cell, 8, 3)) colour = 0.6 * colour;
      image.set(x, y, colour);
    }
  }
  return image;
}

Image makeGold() {
  Image image(kHullSide, kHullSide);
  const Colour dark{0.62, 0.44, 0.12};
  const Colour bright{1.00, 0.86, 0.42};
  for (int y = 0; y < kHullSide; ++y) {
    for (int x = 0; x < kHullSide; ++x) {
      const PanelCell cell = panelCellAt(x, y, 64, 32, true);
      // Brushing: every row its own tone, varying slowly along it.
      const double brush =
          0.6 * latticeValue(y, 0, 21) + 0.4 * valueNoise(x / 16.0, y / 8.0, 8, 23);
      const double tone = panelTone(cell, 2, 22);
      Colour colour = mixColour(dark, bright, 0.45 + 0.35 * brush + 0.2 * tone);
      const int seam = seamShade(cell);
      if (seam < 0) colour = 0.40 * colour;
      if (seam > 0) colour = 1.12 * colour;
      image.set(x, y, colour);
    }
  }
  return image;
}

Image makeBlack() {
  Image image(kHullSide, kHullSide);
  const Colour graphite{0.36, 0.36, 0.40};
  const Colour flash{0.78, 0.10, 0.08};
  for (int y = 0; y < kHullSide; ++y) {
    for (int x = 0; x < kHullSide; ++x) {
      // A woven look: alternate 4-pixel squares a little lighter and darker.
      const double weave = ((x / 4 + y / 4) % 2 == 0) ? 0.06 : -0.04;
      const PanelCell cell = panelCellAt(x, y, 64, 64, false);
      Colour colour = (1.0 + weave + 0.05 * grain(x, y, 31)) * graphite;
      if (seamShade(cell) < 0) colour = Colour{0.70, 0.70, 0.76};
      // A red flash along the middle of the picture, with thin pale edges.
      if (y >= 58 && y < 70) colour = flash;
      if (y == 56 || y == 71) colour = Colour{0.80, 0.78, 0.74};
      image.set(x, y, colour);
    }
  }
  return image;
}

Image makeCruiserHull() {
  Image image(kHullSide, kHullSide);
  const Colour steel{0.58, 0.62, 0.66};
  const Colour window{1.00, 0.88, 0.52};
  for (int y = 0; y < kHullSide; ++y) {
    for (int x = 0; x < kHullSide; ++x) {
      const PanelCell cell = panelCellAt(x, y, 64, 32, true);
      const double tone = panelTone(cell, 2, 41);
      Colour colour = (0.78 + 0.25 * tone + 0.04 * grain(x, y, 42)) * steel;
      // Small raised plates scattered over the panels.
      const double plate = latticeValue(x / 8, y / 8, 43);
      if (plate > 0.86) colour = 0.82 * colour;
      if (seamShade(cell) < 0) colour = 0.5 * colour;
      // Two decks of windows, some of them dark.
      const bool windowRow = (y % 32 == 14 || y % 32 == 15);
      if (windowRow && x % 6 < 3) {
        const bool lit = latticeValue(x / 6, y / 32, 44) > 0.25;
        colour = lit ? window : Colour{0.12, 0.13, 0.16};
      }
      image.set(x, y, colour);
    }
  }
  return image;
}

Image makeCyphoraSkin() {
  Image image(kHullSide, kHullSide);
  constexpr int kCells = 8;
  constexpr double kCellSize = static_cast<double>(kHullSide) / kCells;
  const Colour teal{0.16, 0.72, 0.70};
  const Colour violet{0.52, 0.26, 0.78};
  for (int y = 0; y < kHullSide; ++y) {
    for (int x = 0; x < kHullSide; ++x) {
      // Distance to the nearest and second nearest cell centre, the lattice wrapping.
      double nearest = 1e9;
      double second = 1e9;
      double nearestHue = 0.0;
      const int cx = static_cast<int>(x / kCellSize);
      const int cy = static_cast<int>(y / kCellSize);
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int gx = cx + dx;
          const int gy = cy + dy;
          const int wx = (gx + kCells) % kCells;
          const int wy = (gy + kCells) % kCells;
          const double px = (gx + 0.2 + 0.6 * latticeValue(wx, wy, 51)) * kCellSize;
          const double py = (gy + 0.2 + 0.6 * latticeValue(wx, wy, 52)) * kCellSize;
          const double d = std::sqrt((px - x) * (px - x) + (py - y) * (py - y));
          if (d < nearest) {
            second = nearest;
            nearest = d;
            nearestHue = latticeValue(wx, wy, 53);
          } else if (d < second) {
            second = d;
          }
        }
      }
      const double edge = smoothstep(0.0, 3.0, second - nearest);
      const double glow = 1.0 - smoothstep(0.0, kCellSize * 0.5, nearest);
      Colour colour = mixColour(teal, violet, nearestHue);
      colour = (0.55 + 0.45 * glow) * colour;
      colour = mixColour(Colour{0.05, 0.08, 0.10}, colour, edge);
      image.set(x, y, colour);
    }
  }
  return image;
}

}  // namespace vev::assets
