#include "hud/indicator.h"

#include <algorithm>
#include <cmath>

namespace vev {
namespace {

// A quad spanning vertical v0..v1 and horizontal h0..h1, in drawing order.
std::array<HudCorner, 4> span(float v0, float v1, float h0, float h1) {
  return {{{v0, h0}, {v0, h1}, {v1, h1}, {v1, h0}}};
}

}  // namespace

float indicatorFraction(const ControlChannel& channel) {
  const float travel = channel.roomUp - channel.roomDown;
  if (travel == 0.0f) return 0.0f;
  const float fraction = std::fabs(channel.roomDown / travel);
  if (std::isnan(fraction)) return 0.0f;
  return std::min(fraction, 1.0f);
}

std::optional<IndicatorBar> indicatorBar(const SceneNode& node) {
  if (node.vertices.size() < 2) return std::nullopt;
  const Vertex& p = node.vertices[0];
  const Vertex& q = node.vertices[1];
  const float f = node.body ? indicatorFraction(node.body->translation[0]) : 0.0f;
  const float width = q.x;
  const float length = q.y;
  IndicatorBar bar;
  bar.depthOffset = p.x;
  if (q.z == 0.0f) {
    bar.filled = span(p.y, p.y + f * length, p.z, p.z + width);
    bar.rest = span(p.y + f * length, p.y + length, p.z, p.z + width);
  } else if (q.z == 1.0f) {
    bar.filled = span(p.y, p.y + width, p.z, p.z + f * length);
    bar.rest = span(p.y, p.y + width, p.z + f * length, p.z + length);
  } else if (q.z == -1.0f) {
    bar.filled = span(p.y, p.y + width, -p.z, -p.z - f * length);
    bar.rest = span(p.y, p.y + width, -p.z - f * length, -p.z - length);
  } else {
    return std::nullopt;
  }
  return bar;
}

}  // namespace vev
