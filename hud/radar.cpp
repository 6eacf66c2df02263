#include "hud/radar.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "hud/item_params.h"
#include "sim/node_kind.h"

namespace vev {
namespace {

constexpr float kDegreesPerRadian = 57.295826f;

struct RadarFrame {
  float cx = 0.0f;
  float cy = 0.0f;
  float thi = 0.0f;
  float hi = 0.0f;
  float facing = 0.0f;  // the first vertex's x
};

// The direction u in the radar's axes: (ahead, up, right).
Vec3 radarDirection(const Vec3& u, const Pose& own, float facing) {
  if (facing == 1.0f) return {dot(u, own.tangent), dot(u, own.normal), dot(u, own.binormal)};
  if (facing == -1.0f) return {-dot(u, own.tangent), dot(u, own.normal), -dot(u, own.binormal)};
  return u;
}

std::optional<RadarContact> placeContact(const RadarFrame& frame, const Identity& controlled,
                                         const Identity& other) {
  const Vec3 offset = other.pose.position - controlled.pose.position;
  const float distance = length(offset);
  if (distance == 0.0f) return std::nullopt;
  const Vec3 d = radarDirection((1.0f / distance) * offset, controlled.pose, frame.facing);
  const float w = std::sqrt(d[0] * d[0] + d[2] * d[2]);
  if (w == 0.0f) return std::nullopt;
  float azimuth = std::acos(std::clamp(d[0] / w, -1.0f, 1.0f)) * kDegreesPerRadian;
  if (d[2] / w < 0.0f) azimuth = 360.0f - azimuth;
  if (azimuth > 180.0f) azimuth -= 360.0f;
  if ((azimuth / 90.0f) * (azimuth / 90.0f) > 1.0f) return std::nullopt;
  const float elevation = std::atan(0.5f * d[1] / w) * kDegreesPerRadian;
  return RadarContact{frame.cx + 2.0f * frame.thi * azimuth / 90.0f,
                      frame.cy + 2.0f * frame.hi * elevation / 90.0f, &other == controlled.target};
}

}  // namespace

std::vector<RadarContact> radarContacts(const SceneNode& radar, const Identity* scene,
                                        const Identity& controlled) {
  std::vector<RadarContact> contacts;
  if (radar.vertices.empty()) return contacts;
  const RadarFrame frame{itemParam(radar, 0), itemParam(radar, 1), itemParam(radar, 2),
                         itemParam(radar, 3), radar.vertices.front().x};
  for (const Identity* other = scene; other; other = other->next.get()) {
    if (other == &controlled || isShot(*other) || isDestroyed(*other)) continue;
    if (const auto contact = placeContact(frame, controlled, *other)) contacts.push_back(*contact);
  }
  return contacts;
}

}  // namespace vev
