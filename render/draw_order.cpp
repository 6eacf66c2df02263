#include "render/draw_order.h"

#include <algorithm>

#include "render/viewport.h"

namespace vev {

void cullOutsideView(DrawList& drawList, const ViewVolume& view) {
  const Vec3& eye = view.camera().position;
  for (Polygon* polygon : drawList) {
    if (polygon->outOfView) {
      polygon->visible = 0;
      continue;
    }
    const bool inRange = std::any_of(
        polygon->vertices.begin(), polygon->vertices.end(),
        [&](const PolygonVertex& vertex) { return length(vertex.position - eye) < kFarPlane; });
    polygon->visible = inRange && !view.excludes(polygon->vertices);
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
