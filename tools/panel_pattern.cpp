#include "tools/panel_pattern.h"

namespace vev::assets {

PanelCell panelCellAt(int x, int y, int panelWidth, int panelHeight, bool staggered) {
  PanelCell cell;
  cell.row = y / panelHeight;
  const int shift = staggered && cell.row % 2 == 1 ? panelWidth / 2 : 0;
  const int shifted = x + shift;
  cell.column = shifted / panelWidth;
  cell.fromLeft = shifted % panelWidth;
  cell.fromTop = y % panelHeight;
  cell.fromRight = panelWidth - 1 - cell.fromLeft;
  cell.fromBottom = panelHeight - 1 - cell.fromTop;
  return cell;
}

int seamShade(const PanelCell& cell) {
  if (cell.fromLeft == 0 || cell.fromTop == 0) return -1;
  if (cell.fromLeft == 1 || cell.fromTop == 1) return 1;
  return 0;
}

}  // namespace vev::assets
