#include "render/hud_plane.h"

namespace vev {

std::optional<HudPlane> hudPlane(const HudView& view, const Pose* camera, const Pose* itemPose,
                                 float depth) {
  const Pose* frame = itemPose ? itemPose : (camera ? camera : view.freeCamera);
  if (!frame) return std::nullopt;
  if (itemPose) depth += itemPose->dist;
  HudPlane plane;
  plane.centre = frame->position + depth * frame->tangent;
  plane.up = frame->normal;
  plane.right = frame->binormal;
  plane.verticalScale = kHudScale * frame->zoom * depth / 45.0f;
  plane.horizontalScale = plane.verticalScale * view.aspect;
  return plane;
}

}  // namespace vev
