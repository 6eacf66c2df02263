#pragma once

#include <cstdint>

#include "model/vector3.h"

namespace vev {

// A reference frame in world coordinates. The three axes are kept unit length and perpendicular
// by the kinematics; a camera looks along `tangent` with `normal` up.
struct Pose {
  Vec3 position{0.0f, 0.0f, 0.0f};
  Vec3 tangent{0.0f, 0.0f, 0.0f};   // local x
  Vec3 normal{0.0f, 0.0f, 0.0f};    // local y
  Vec3 binormal{0.0f, 0.0f, 0.0f};  // local z, tangent x normal
  float zoom = 0.0f;                // camera field of view (degrees)
  float dist = 0.0f;                // HUD item distance
  std::int16_t coordType = 0;
  std::int32_t collision = 0;
  // Derived every frame by the flight instruments.
  float inclination = 0.0f;      // of tangent above the horizontal plane (degrees)
  float heading = 0.0f;          // of tangent in the x-z plane, 0 to 360 (degrees)
  float targetElevation = 0.0f;  // degrees, in the craft's axes
  float targetAzimuth = 0.0f;    // degrees, in the craft's axes
  float targetRange = 0.0f;      // metres
};

// A pose at `position` with the unit axes (1,0,0), (0,1,0), (0,0,1).
inline Pose unitPose(const Vec3& position = {0.0f, 0.0f, 0.0f}) {
  Pose pose;
  pose.position = position;
  pose.tangent = {1.0f, 0.0f, 0.0f};
  pose.normal = {0.0f, 1.0f, 0.0f};
  pose.binormal = {0.0f, 0.0f, 1.0f};
  return pose;
}

}  // namespace vev
