#pragma once

#include <cstdint>

namespace vev::assets {

// Where a pixel lies in a wall of rectangular panels whose rows are staggered by half a panel.
struct PanelCell {
  int column = 0;      // panel index across
  int row = 0;         // panel index down
  int fromLeft = 0;    // pixels from the panel's left edge
  int fromTop = 0;     // pixels from the panel's top edge
  int fromRight = 0;   // pixels to the panel's right edge
  int fromBottom = 0;  // pixels to the panel's bottom edge
};

PanelCell panelCellAt(int x, int y, int panelWidth, int panelHeight, bool staggered);

// Shade of a panel seam at a pixel: -1 in the groove, +1 on the lit bevel just inside the top
// and left edges, 0 elsewhere.
int seamShade(const PanelCell& cell);

}  // namespace vev::assets
