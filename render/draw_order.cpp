#include "render/draw_order.h"

#include <algorithm>

#include "render/viewport.h"

namespace vev {

void cullByRange(DrawList& drawList, const Pose& camera) {
  for (Polygon* polygon : drawList) {
    polygon->visible = std::any_of(polygon->vertices.begin(), polygon->vertices.end(),
                                   [&](const PolygonVertex& vertex) {
                                     return length(vertex.position - camera.position) < kFarPlane;
                                   });
  }
}

void orderBlendedLast(DrawList& drawList) {
  if (drawList.size() < 2) return;
  std::stable_partition(drawList.begin(), drawList.end() - 1,
                        [](const Polygon* polygon) { return !polygon->blend; });
  const auto firstBlended = std::find_if(drawList.begin(), drawList.end() - 1,
                                         [](const Polygon* polygon) { return polygon->blend; });
  std::rotate(firstBlended, drawList.end() - 1, drawList.end());
}

}  // namespace vev
