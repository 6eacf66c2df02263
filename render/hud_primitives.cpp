#include "render/hud_primitives.h"

#include <GL/gl.h>

#include "render/stroke_font.h"
#include "render/stroke_text.h"
#include "render/viewport.h"

namespace vev {
namespace {

void beginHud(const HudColour& colour) {
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  glDisable(GL_LIGHTING);
  glColor3f(colour.red, colour.green, colour.blue);
}

void vertex(const Vec3& p) {
  glVertex3f(p[0], p[1], p[2]);
}

void drawStrip(GLenum mode, const std::vector<Vec3>& points) {
  glBegin(mode);
  for (const Vec3& p : points) vertex(p);
  glEnd();
}

// Without an item pose a chain's first point carries its depth.
float chainDepth(std::span<const Vertex> points, const Pose* itemPose) {
  return kNearPlane + kHudDepth + (itemPose ? 0.0f : points.front().x);
}

}  // namespace

std::vector<Vec3> hudStripPoints(const HudPlane& plane, std::span<const Vertex> points,
                                 bool closed) {
  std::vector<Vec3> strip;
  strip.reserve(points.size() + 1);
  for (const Vertex& p : points) strip.push_back(plane.point(p.z, p.y));
  if (closed && points.size() >= 3) strip.push_back(strip.front());
  return strip;
}

void drawStrokeText(std::string& text, const HudColour& colour, int row, int column,
                    const HudView& view, const Pose* camera, const Pose* itemPose) {
  const std::vector<GlyphPlacement> placements = layoutStrokeText(text, row, column);
  const auto plane = hudPlane(view, camera, itemPose, kNearPlane + kHudDepth);
  if (!plane) return;
  beginHud(colour);
  for (const GlyphPlacement& placement : placements) {
    const std::span<const GlyphPoint> glyph = buildGlyph(placement.code);
    if (glyph.empty()) continue;
    glBegin(GL_LINE_STRIP);
    for (const GlyphPoint& p : glyph) {
      vertex(plane->point(textH(placement.column, p.gx), textV(placement.row, p.gy)));
    }
    glEnd();
  }
}

void hudLine(const HudColour& colour, const HudView& view, const Pose* camera, const Pose* itemPose,
             float hFrom, float vFrom, float hTo, float vTo) {
  const auto plane = hudPlane(view, camera, itemPose, kNearPlane + kHudDepth);
  if (!plane) return;
  beginHud(colour);
  drawStrip(GL_LINE_STRIP, {plane->point(hFrom, vFrom), plane->point(hTo, vTo)});
}

void hudPolyline(std::span<const Vertex> points, const HudColour& colour, float closed,
                 const HudView& view, const Pose* camera, const Pose* itemPose) {
  if (points.empty()) return;
  const auto plane = hudPlane(view, camera, itemPose, chainDepth(points, itemPose));
  if (!plane) return;
  beginHud(colour);
  drawStrip(GL_LINE_STRIP, hudStripPoints(*plane, points, closed != 0.0f));
}

void hudPolygon(std::span<const Vertex> points, const HudColour& colour, const HudView& view,
                const Pose* camera, const Pose* itemPose) {
  if (points.empty()) return;
  const auto plane = hudPlane(view, camera, itemPose, chainDepth(points, itemPose));
  if (!plane) return;
  beginHud(colour);
  const bool wire = view.shading == 'w';
  drawStrip(wire ? GL_LINE_STRIP : GL_TRIANGLE_FAN, hudStripPoints(*plane, points, wire));
}

void hudQuad(float depthOffset, const std::array<HudCorner, 4>& corners, const HudColour& colour,
             const HudView& view, const Pose* camera) {
  const auto plane = hudPlane(view, camera, nullptr, kNearPlane + depthOffset);
  if (!plane) return;
  beginHud(colour);
  std::vector<Vec3> points;
  for (const HudCorner& corner : corners) {
    points.push_back(plane->point(corner.horizontal, corner.vertical));
  }
  const bool wire = view.shading == 'w';
  if (wire) points.push_back(points.front());
  drawStrip(wire ? GL_LINE_STRIP : GL_TRIANGLE_FAN, points);
}

}  // namespace vev
