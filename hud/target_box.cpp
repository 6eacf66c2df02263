#include "hud/target_box.h"

#include <algorithm>
#include <cmath>

#include "hud/item_params.h"
#include "render/hud_plane.h"

namespace vev {
namespace {

constexpr int kSmallestSlot = 2;  // `thi`
constexpr int kLargestSlot = 3;   // `hi`
constexpr int kRangeSlot = 4;     // `range`
constexpr float kEdge = 0.9f;     // how far out the arrowhead sits
constexpr float kArrowLength = 0.07f;
constexpr float kArrowSpread = 0.45f;  // radians each side of the arrow's line

// The bracket's four corners, each two strokes a third of the side long.
std::vector<HudSegment> bracket(float h, float v, float half, float aspect) {
  const float across = half / aspect;  // a square on the screen
  const float armAcross = across * 2.0f / 3.0f;
  const float armUp = half * 2.0f / 3.0f;
  std::vector<HudSegment> marks;
  for (const float sh : {-1.0f, 1.0f}) {
    for (const float sv : {-1.0f, 1.0f}) {
      const float ch = h + sh * across;
      const float cv = v + sv * half;
      marks.push_back({ch, cv, ch - sh * armAcross, cv});
      marks.push_back({ch, cv, ch, cv - sv * armUp});
    }
  }
  return marks;
}

// An arrowhead on the edge of the view in the screen direction (x right, y up).
std::vector<HudSegment> edgeArrow(float x, float y, float aspect) {
  if (x == 0.0f && y == 0.0f) y = -1.0f;  // straight behind: turn either way, say down
  const float norm = std::hypot(x, y);
  x /= norm;
  y /= norm;
  // Where the direction meets the edge, measured in screen proportions (across scaled by aspect).
  const float reach = std::min(x != 0.0f ? kEdge * aspect / std::fabs(x) : 1e30f,
                               y != 0.0f ? kEdge / std::fabs(y) : 1e30f);
  const float tipX = reach * x;
  const float tipY = reach * y;
  std::vector<HudSegment> marks;
  for (const float side : {-kArrowSpread, kArrowSpread}) {
    const float c = std::cos(side);
    const float s = std::sin(side);
    const float backX = -(x * c - y * s) * kArrowLength;
    const float backY = -(x * s + y * c) * kArrowLength;
    marks.push_back({tipX / aspect, tipY, (tipX + backX) / aspect, tipY + backY});
  }
  return marks;
}

}  // namespace

std::vector<HudSegment> targetBoxMarks(const SceneNode& item, const Identity& controlled,
                                       const Pose* camera, float aspect) {
  const float smallest = itemParam(item, kSmallestSlot);
  const float largest = itemParam(item, kLargestSlot);
  const float range = itemParam(item, kRangeSlot);
  if (!controlled.target || !camera || !(smallest > 0.0f) || !(largest >= smallest) ||
      !(range > 0.0f) || !(aspect > 0.0f) || !(camera->zoom > 0.0f)) {
    return {};
  }
  const Vec3 offset = controlled.target->pose.position - camera->position;
  const float ahead = dot(offset, camera->tangent);
  const float up = dot(offset, camera->normal);
  const float across = dot(offset, camera->binormal);
  // HUD units per unit of the view's tangent, as the HUD plane is scaled.
  const float scale = 4.0f * 45.0f / (kHudScale * camera->zoom);
  if (ahead > 0.0f) {
    const float v = scale * up / ahead;
    const float h = scale * across / (ahead * aspect);
    if (std::fabs(h) <= kEdge && std::fabs(v) <= kEdge) {
      const float half =
          std::clamp(largest * range / std::max(length(offset), 1e-3f), smallest, largest);
      return bracket(h, v, half, aspect);
    }
  }
  return edgeArrow(across, up, aspect);
}

}  // namespace vev
