#include "hud/view_messages.h"

#include <algorithm>
#include <string_view>

#include "render/hud_primitives.h"
#include "render/stroke_text.h"

namespace vev {
namespace {

constexpr HudColour kBannerColour{1.0f, 0.25f, 0.15f};
constexpr HudColour kMessageColour{1.0f, 0.85f, 0.4f};
constexpr float kBannerScale = 4.0f;  // times the size of HUD text
constexpr int kFirstMessageRow = 19;
constexpr std::size_t kLongestLine = kTextColumns - 2;
constexpr std::size_t kMessageRows = kTextRows - kFirstMessageRow;

// `message` in lines of at most kLongestLine characters, broken at the last blank that fits.
void appendWrapped(const std::string& message, std::vector<std::string>& lines) {
  std::string_view rest(message);
  while (rest.size() > kLongestLine) {
    const std::size_t blank = rest.substr(0, kLongestLine + 1).rfind(' ');
    const std::size_t cut = blank == std::string_view::npos || blank == 0 ? kLongestLine : blank;
    lines.emplace_back(rest.substr(0, cut));
    rest.remove_prefix(cut);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  }
  if (!rest.empty()) lines.emplace_back(rest);
}

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
  // Narrow enough to pass between the panels a HUD keeps at the sides.
  const Pose medium = scaledFrame(camera, view, kBannerScale * 3.0f / 8.0f);
  drawCentred("PRESS R TO RESTART", kBannerColour, 14, view, camera, &medium);
}

std::vector<std::string> viewMessageLines(const std::vector<std::string>& messages) {
  std::vector<std::string> lines;
  for (const std::string& message : messages) appendWrapped(message, lines);
  if (lines.size() > kMessageRows) lines.erase(lines.begin(), lines.end() - kMessageRows);
  return lines;
}

void drawViewMessages(const std::vector<std::string>& messages, const Pose* camera,
                      const HudView& view) {
  const Pose frame = scaledFrame(camera, view, 1.0f);
  int row = kFirstMessageRow;
  for (const std::string& line : viewMessageLines(messages)) {
    drawCentred(line, kMessageColour, row++, view, camera, &frame);
  }
}

}  // namespace vev
