#include "app/load_findings.h"

#include <string>
#include <utility>

#include "hud/item_params.h"
#include "hud/text_items.h"
#include "render/draw_cost.h"
#include "render/shape_builders.h"
#include "render/stroke_text.h"

namespace vev {
namespace {

constexpr int kLineSlot = 0;
constexpr int kColumnSlot = 1;

std::string offGrid(const SceneNode& node) {
  if (!isTextItem(node)) return {};
  const int line = textCell(node, kLineSlot);
  const int column = textCell(node, kColumnSlot);
  if (line >= 0 && line < kTextRows && column >= 0 && column < kTextColumns) return {};
  return node.kind + (node.name.empty() ? "" : " \"" + node.name + "\"") + " at `lin` " +
         std::to_string(line) + ", `col` " + std::to_string(column) +
         " is outside the HUD's text grid (lines 0 to " + std::to_string(kTextRows - 1) +
         ", columns 0 to " + std::to_string(kTextColumns - 1) + "), so it is not seen";
}

}  // namespace

void noteLoadedParts(LoadReport& report) {
  for (const LoadReport::Section& section : report.sections()) {
    for (std::string finding :
         {whyNeverDrawn(*section.node), offGrid(*section.node), whyTooCostly(*section.node)}) {
      if (!finding.empty()) report.note(section.line, std::move(finding));
    }
  }
}

}  // namespace vev
