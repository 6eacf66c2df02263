#include "hud/view_messages.h"

#include <algorithm>

#include "render/hud_primitives.h"
#include "render/stroke_text.h"

namespace vev {
namespace {

constexpr HudColour kBannerColour{1.0f, 0.25f, 0.15f};
constexpr HudColour kMessageColour{1.0f, 0.85f, 0.4f};
constexpr float kBannerScale = 4.0f;  // times the size of HUD text
constexpr int kFirstMessageRow = 19;
constexpr int kLongestMessage = kTextColumns - 2;

// The column that centres `text` on the grid.
int centredColumn(const std::string& text) {
  return std::max(0, (kTextColumns - static_cast<int>(text.size())) / 2);
}

// Text `scale` times larger about the middle of the view: the camera's frame with a wider zoom.
Pose scaledFrame(const Pose* camera, const HudView& view, float scale) {
  Pose frame = camera ? *camera : (view.freeCamera ? *view.freeCamera : unitPose());
  frame.zoom *= scale;
  frame.dist = 0.0f;
  return frame;
}

void drawCentred(std::string text, const HudColour& colour, int row, const HudView& view,
                 const Pose* camera, const Pose* frame) {
  drawStrokeText(text, colour, row, centredColumn(text), view, camera, frame);
}

}  // namespace

void drawDestroyedBanner(const Pose* camera, const HudView& view) {
  const Pose large = scaledFrame(camera, view, kBannerScale);
  drawCentred("DESTROYED", kBannerColour, 12, view, camera, &large);
  const Pose medium = scaledFrame(camera, view, kBannerScale / 2.0f);
  drawCentred("PRESS R TO RESTART", kBannerColour, 14, view, camera, &medium);
}

void drawViewMessages(const std::vector<std::string>& messages, const Pose* camera,
                      const HudView& view) {
  const Pose frame = scaledFrame(camera, view, 1.0f);
  int row = kFirstMessageRow;
  for (const std::string& message : messages) {
    drawCentred(message.substr(0, kLongestMessage), kMessageColour, row++, view, camera, &frame);
  }
}

}  // namespace vev
