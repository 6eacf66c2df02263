#include "sim/instruments.h"

#include <algorithm>
#include <cmath>

#include "model/deterministic_math.h"

namespace vev {
namespace {

constexpr float kDegreesPerRadian = 57.295826f;

// acos in degrees; rounding can push a cosine just beyond 1, which must not become NaN.
float acosDegrees(float cosine) {
  return dmath::acos(std::clamp(cosine, -1.0f, 1.0f)) * kDegreesPerRadian;
}

void updateHeading(Pose& pose) {
  const Vec3& x = pose.tangent;
  const float horizontal = std::sqrt(x[0] * x[0] + x[2] * x[2]);
  if (horizontal == 0.0f) return;
  const float heading = acosDegrees(x[0] / horizontal);
  pose.heading = x[2] / horizontal < 0.0f ? 360.0f - heading : heading;
}

void updateInclination(Pose& pose) {
  const float len = length(pose.tangent);
  if (len == 0.0f) return;
  pose.inclination = 90.0f - acosDegrees(pose.tangent[1] / len);
}

void updateTargetValues(Pose& pose, const Pose& target) {
  const Vec3 offset = target.position - pose.position;
  const float range = length(offset);
  pose.targetRange = range;
  if (range == 0.0f) return;
  const Vec3 u = (1.0f / range) * offset;
  const float ux = dot(u, pose.tangent);
  const float uy = dot(u, pose.normal);
  const float uz = dot(u, pose.binormal);
  const float m = std::sqrt(ux * ux + uz * uz);
  if (m == 0.0f) return;
  const float azimuth = acosDegrees(ux / m);
  pose.targetAzimuth = uz < 0.0f ? -azimuth : azimuth;
  const float elevation = dmath::atan(uy / m) * kDegreesPerRadian;
  // Behind the craft the elevation is counted over the top (or under the bottom), reaching +-180
  // straight behind.
  if (ux >= 0.0f) {
    pose.targetElevation = elevation;
  } else {
    pose.targetElevation = uy < 0.0f ? -(elevation + 180.0f) : 180.0f - elevation;
  }
}

}  // namespace

void updateInstruments(Identity& identity) {
  updateHeading(identity.pose);
  updateInclination(identity.pose);
  if (identity.target) updateTargetValues(identity.pose, identity.target->pose);
}

}  // namespace vev
