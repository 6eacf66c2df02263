#include "hud/control_panel.h"

#include <array>
#include <string_view>

#include "hud/hud.h"
#include "render/hud_primitives.h"

namespace vev {
namespace {

constexpr HudColour kPanelColour{1.0f, 0.5f, 0.0f};

struct LabelledChannel {
  std::string_view label;
  const ControlChannel& channel;
};

// Every key-driven channel of a body, in the order the panel lists them.
std::array<LabelledChannel, 10> labelledChannels(const BodyState& body) {
  return {{
      {"TRANSLAT X-", body.translation[0]},
      {"TRANSLAT Y-", body.translation[1]},
      {"TRANSLAT Z-", body.translation[2]},
      {"ROT X-", body.rotation[0]},
      {"ROT Y-", body.rotation[1]},
      {"ROT Z-", body.rotation[2]},
      {"OPT 1-", body.spin[0]},
      {"OPT 2-", body.spin[1]},
      {"OPT3-", body.spin[2]},
      {"CARRIL-", body.rail},
  }};
}

void appendChannelLines(const BodyState& body, std::vector<std::string>& lines) {
  for (const LabelledChannel& item : labelledChannels(body)) {
    if (item.channel.increaseKey == 0) continue;
    lines.push_back(std::string(item.label) + keyName(item.channel.increaseKey) + " " +
                    keyName(item.channel.decreaseKey));
  }
}

}  // namespace

std::vector<std::string> controlPanelLines(const Identity& controlled) {
  std::vector<std::string> lines;
  appendChannelLines(controlled.body, lines);
  for (const SceneNode* node = controlled.nodes.get(); node; node = node->next.get()) {
    if (!node->body) continue;
    lines.push_back(node->name);
    appendChannelLines(*node->body, lines);
  }
  return lines;
}

void drawControlPanel(const Identity* controlled, bool show, const Pose* camera,
                      const HudView& view) {
  if (!show || !controlled) return;
  int row = 0;
  for (std::string& line : controlPanelLines(*controlled)) {
    drawStrokeText(line, kPanelColour, row++, 0, view, camera, nullptr);
  }
}

}  // namespace vev
