#pragma once

#include <optional>

#include "model/pose.h"
#include "model/vector3.h"

// The plane just in front of the camera on which the head-up display and the control panel are
// drawn. A HUD point (h, v) with h and v from -1 to 1 lies near the edges of the view.
namespace vev {

// The tangent of 45 taken in radians: the scale the HUD has always been laid out with.
inline constexpr float kHudScale = 1.6197752f;
// How far in front of the near plane text and lines are drawn.
inline constexpr float kHudDepth = 0.05f;

// What the HUD primitives need of the view.
struct HudView {
  float aspect = 1.0f;               // of the viewport
  char shading = 's';                // 'w' draws filled shapes as outlines
  const Pose* freeCamera = nullptr;  // the frame when neither a camera nor an item is given
};

// A frame F at depth E along its view direction: world point of (h, v).
struct HudPlane {
  Vec3 centre{};                 // F.position + E X
  Vec3 up{};                     // Y
  Vec3 right{};                  // Z
  float verticalScale = 0.0f;    // Sv = k zoom E / 45
  float horizontalScale = 0.0f;  // Sh = Sv aspect

  Vec3 point(float h, float v) const {
    return centre + (h * horizontalScale / 4.0f) * right + (v * verticalScale / 4.0f) * up;
  }
};

// The plane of an item pose pushed back by its `dist`, or else of the camera or the free camera,
// at `depth`; empty when there is no frame at all.
std::optional<HudPlane> hudPlane(const HudView& view, const Pose* camera, const Pose* itemPose,
                                 float depth);

}  // namespace vev
