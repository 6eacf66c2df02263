#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "model/pose.h"
#include "model/scene_node.h"
#include "render/hud_plane.h"

// Lines, text and filled shapes on the HUD plane in front of the camera, in HUD coordinates.
// Each call takes the camera and, where it accepts one, a HUD item's own pose: given an item
// pose, the call is drawn in that pose's frame and zoom, pushed back by its `dist`. They keep no
// state between calls and set every GL state they rely on.
namespace vev {

struct HudColour {
  float red = 0.0f;  // 0 to 1
  float green = 0.0f;
  float blue = 0.0f;
};

// A corner of `hudQuad`: vertical first, then horizontal.
struct HudCorner {
  float vertical = 0.0f;
  float horizontal = 0.0f;
};

// Draws `text` in the 80 x 25 text grid from (row, column); upper-cases the caller's text.
void drawStrokeText(std::string& text, const HudColour& colour, int row, int column,
                    const HudView& view, const Pose* camera, const Pose* itemPose);

void hudLine(const HudColour& colour, const HudView& view, const Pose* camera, const Pose* itemPose,
             float hFrom, float vFrom, float hTo, float vTo);

// A HUD item's vertex chain as HUD points: z is h and y is v; without an item pose the first
// point's x pushes the whole chain back.
void hudPolyline(std::span<const Vertex> points, const HudColour& colour, float closed,
                 const HudView& view, const Pose* camera, const Pose* itemPose);
void hudPolygon(std::span<const Vertex> points, const HudColour& colour, const HudView& view,
                const Pose* camera, const Pose* itemPose);

// A filled quad at `depthOffset` beyond the near plane, always in the camera's frame.
void hudQuad(float depthOffset, const std::array<HudCorner, 4>& corners, const HudColour& colour,
             const HudView& view, const Pose* camera);

// The world points a polyline through `points` is drawn through: closed (back to the first
// point) only when asked and when there are at least three points.
std::vector<Vec3> hudStripPoints(const HudPlane& plane, std::span<const Vertex> points,
                                 bool closed);

}  // namespace vev
