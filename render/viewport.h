#pragma once

#include <cstdint>
#include <optional>

#include "model/pose.h"

// The view's projection and camera. Everything drawn afterwards is given in world coordinates:
// the view transform is folded into the projection matrix and the modelview matrix stays
// identity.
namespace vev {

inline constexpr float kNearPlane = 0.25f;
inline constexpr float kFarPlane = 8000.0f;  // also the range beyond which polygons are culled
inline constexpr float kDefaultFov = 45.0f;  // degrees, until the first camera is set

// The client size of the last resize.
struct Viewport {
  std::int16_t width = 0;
  std::int16_t height = 0;
  float aspect = 1.0f;  // width / height, or the width itself when the height is 0
};

// Viewport and default projection for a new client size; enables the depth test.
void resize(Viewport& viewport, int width, int height);

// Clears colour and depth. Mode 0 clears to (r, g, b), 1 to black, 2 to white, 3 to a pale grey
// green; any other mode keeps the previous clear colour.
void clearFrame(int mode, float r, float g, float b);

// Projection from the camera's own field of view and look-at (along `tangent`, `normal` up), the
// blend function for translucent faces, and a copy of the pose into `viewerPose`.
void setCamera(const Viewport& viewport, const Pose& camera, std::optional<Pose>& viewerPose);

// Ends a frame's drawing with the current matrix back at identity.
void resetCurrentMatrix();

}  // namespace vev
