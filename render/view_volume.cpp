#include "render/view_volume.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "render/viewport.h"

namespace vev {
namespace {

constexpr float kHair = 1e-3f;  // relative to depth: far above float rounding in either GL or here

float hairAt(float depth) {
  return kHair * (std::fabs(depth) + 1.0f);
}

}  // namespace

ViewVolume::ViewVolume(const Pose& camera, float aspect) : camera_(camera) {
  forward_ = camera.tangent;
  normalise(forward_);
  side_ = cross(forward_, camera.normal);
  normalise(side_);
  up_ = cross(side_, forward_);
  const float halfAngle = camera.zoom * 0.5f * std::numbers::pi_v<float> / 180.0f;
  bounded_ = halfAngle > 0.0f && halfAngle < std::numbers::pi_v<float> / 2.0f && aspect > 0.0f &&
             !isZero(side_);
  if (!bounded_) return;
  cotY_ = 1.0f / std::tan(halfAngle);
  cotX_ = cotY_ / aspect;
}

ViewVolume::Beyond ViewVolume::beyond(const Vec3& point) const {
  const Vec3 offset = point - camera_.position;
  const float depth = dot(offset, forward_);
  const float x = dot(offset, side_) * cotX_;
  const float y = dot(offset, up_) * cotY_;
  const float hair = hairAt(depth);
  return {{x - depth - hair, -x - depth - hair, y - depth - hair, -y - depth - hair,
           kNearPlane - depth - hair, depth - kFarPlane - hair}};
}

bool ViewVolume::excludes(std::span<const PolygonVertex> vertices) const {
  if (!bounded_ || vertices.empty()) return false;
  bool outside[6] = {true, true, true, true, true, true};
  for (const PolygonVertex& vertex : vertices) {
    const Beyond b = beyond(vertex.position);
    bool any = false;
    for (int plane = 0; plane < 6; ++plane) {
      outside[plane] = outside[plane] && b.values[plane] > 0.0f;
      any = any || outside[plane];
    }
    if (!any) return false;
  }
  return true;
}

bool ViewVolume::excludesBall(const Vec3& centre, float radius) const {
  if (!bounded_) return false;
  const Beyond b = beyond(centre);
  // A side plane's value changes by up to sqrt(1 + cot^2) per metre away from the centre, and
  // the hair by up to kHair.
  const float sideX = (std::sqrt(1.0f + cotX_ * cotX_) + kHair) * radius;
  const float sideY = (std::sqrt(1.0f + cotY_ * cotY_) + kHair) * radius;
  const float depthReach = (1.0f + kHair) * radius;
  const float reach[6] = {sideX, sideX, sideY, sideY, depthReach, depthReach};
  for (int plane = 0; plane < 6; ++plane) {
    if (b.values[plane] > reach[plane]) return true;
  }
  return false;
}

}  // namespace vev
