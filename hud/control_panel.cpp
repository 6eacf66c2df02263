#include "hud/control_panel.h"

#include <array>
#include <string_view>

#include "hud/hud.h"
#include "hud/item_params.h"
#include "sim/node_kind.h"

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

void appendChannelLines(const BodyState& body, std::vector<PanelLine>& lines) {
  for (const LabelledChannel& item : labelledChannels(body)) {
    if (item.channel.increaseKey == 0) continue;
    lines.push_back({std::string(item.label) + keyName(item.channel.increaseKey) + " " +
                         keyName(item.channel.decreaseKey),
                     kPanelColour});
  }
}

// The key list the craft's file writes for a player, in the colours it gives; those without a
// colour are not drawn, as with every HUD item.
std::vector<PanelLine> helpLines(const Identity& controlled) {
  std::vector<PanelLine> lines;
  for (const SceneNode* node = controlled.nodes.get(); node; node = node->next.get()) {
    if (isKind(*node, "HELPSTRING") && node->shape) {
      lines.push_back({node->name, diffuseColour(*node->shape)});
    }
  }
  return lines;
}

bool writesHelp(const Identity& controlled) {
  for (const SceneNode* node = controlled.nodes.get(); node; node = node->next.get()) {
    if (isKind(*node, "HELPSTRING")) return true;
  }
  return false;
}

}  // namespace

std::vector<PanelLine> controlPanelLines(const Identity& controlled) {
  if (writesHelp(controlled)) return helpLines(controlled);
  std::vector<PanelLine> lines;
  appendChannelLines(controlled.body, lines);
  for (const SceneNode* node = controlled.nodes.get(); node; node = node->next.get()) {
    if (!node->body) continue;
    lines.push_back({node->name, kPanelColour});
    appendChannelLines(*node->body, lines);
  }
  return lines;
}

void drawControlPanel(const Identity* controlled, bool show, const Pose* camera,
                      const HudView& view) {
  if (!show || !controlled) return;
  int row = 0;
  for (PanelLine& line : controlPanelLines(*controlled)) {
    drawStrokeText(line.text, line.colour, row++, 0, view, camera, nullptr);
  }
}

}  // namespace vev
