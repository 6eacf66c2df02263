#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "hud/hud.h"
#include "hud/indicator.h"
#include "hud/item_params.h"
#include "hud/radar.h"
#include "hud/target_box.h"
#include "hud/text_items.h"
#include "render/hud_primitives.h"
#include "sim/node_kind.h"

namespace vev {
namespace {

constexpr HudColour kRadarTarget{1.0f, 1.0f, 1.0f};
constexpr HudColour kRadarContact{0.7f, 0.7f, 0.7f};
// Half the size of a radar cross, in HUD units.
constexpr float kCrossHalf = 0.005f;
constexpr float kBlipDepth = 0.01f;
constexpr int kCircleSegments = 12;

// The frame an item is drawn with: the camera, and the item's own pose where it has one.
struct ItemFrame {
  const HudView& view;
  const Pose* camera;
  const Pose* itemPose;
};

// The drawn text is a copy: the stroke font upper-cases what it is given, and the names in the
// scene keep their case.
// The target bracket of a target just hit, and the damage readout of a craft just hit, show
// their `flash` colour for a moment, when they have one.
HudColour itemColour(const SceneNode& node, const Identity& controlled) {
  const Shape& shape = *node.shape;
  const Identity* told = isKind(node, "TARGETBOX") ? controlled.target
                         : isKind(node, "DAMAGE")  ? &controlled
                                                   : nullptr;
  const bool flashing = told && told->damage && told->damage->hitFlash > 0;
  if (!flashing || !(shape.specular[3] > 0.0f)) return diffuseColour(shape);
  return {shape.specular[0], shape.specular[1], shape.specular[2]};
}

void drawTextItem(const SceneNode& node, const Identity& controlled, const ItemFrame& frame) {
  std::optional<std::string> text = hudItemText(node, controlled);
  if (!text) return;
  drawStrokeText(*text, itemColour(node, controlled), textCell(node, 0), textCell(node, 1),
                 frame.view, frame.camera, frame.itemPose);
}

void drawIndicator(const SceneNode& node, const ItemFrame& frame) {
  const std::optional<IndicatorBar> bar = indicatorBar(node);
  if (!bar) return;
  hudQuad(bar->depthOffset, bar->filled, diffuseColour(*node.shape), frame.view, frame.camera);
  hudQuad(bar->depthOffset, bar->rest, ambientColour(*node.shape), frame.view, frame.camera);
}

// An ellipse of twelve lines around (cx, cy) with half-sizes thi across and hi up.
void drawCircle(const SceneNode& node, const ItemFrame& frame) {
  const float cx = itemParam(node, 0);
  const float cy = itemParam(node, 1);
  const float thi = itemParam(node, 2);
  const float hi = itemParam(node, 3);
  const auto point = [&](int step) {
    const double angle = 2.0 * std::numbers::pi * step / kCircleSegments;
    return std::array<float, 2>{cx + thi * static_cast<float>(std::cos(angle)),
                                cy + hi * static_cast<float>(std::sin(angle))};
  };
  for (int step = 0; step < kCircleSegments; ++step) {
    const auto [h0, v0] = point(step);
    const auto [h1, v1] = point(step + 1);
    hudLine(diffuseColour(*node.shape), frame.view, frame.camera, frame.itemPose, h0, v0, h1, v1);
  }
}

// A contact as a filled square of half-size `blip`, in the item's colour and the target in its
// `color2`, so that it stands out from the stars.
void drawBlip(const SceneNode& node, const RadarContact& contact, float blip,
              const ItemFrame& frame) {
  const HudColour colour = contact.target ? ambientColour(*node.shape) : diffuseColour(*node.shape);
  const float h = contact.h;
  const float v = contact.v;
  const Vertex corners[] = {{kBlipDepth, v - blip, h - blip},
                            {kBlipDepth, v - blip, h + blip},
                            {kBlipDepth, v + blip, h + blip},
                            {kBlipDepth, v + blip, h - blip}};
  hudPolygon(corners, colour, frame.view, frame.camera, frame.itemPose);
}

// Without a blip size (`range`), each contact is a small cross, white for the target and grey
// for the others.
void drawRadar(const SceneNode& node, const Identity* scene, const Identity& controlled,
               const ItemFrame& frame) {
  const float blip = itemParam(node, 4);
  for (const RadarContact& contact : radarContacts(node, scene, controlled)) {
    if (blip > 0.0f && node.shape) {
      drawBlip(node, contact, blip, frame);
      continue;
    }
    const HudColour& colour = contact.target ? kRadarTarget : kRadarContact;
    const float h = contact.h;
    const float v = contact.v;
    hudLine(colour, frame.view, frame.camera, frame.itemPose, h - kCrossHalf, v - kCrossHalf,
            h + kCrossHalf, v + kCrossHalf);
    hudLine(colour, frame.view, frame.camera, frame.itemPose, h - kCrossHalf, v + kCrossHalf,
            h + kCrossHalf, v - kCrossHalf);
  }
}

// One HUD node by its kind. Every kind but the radar draws in the item's colours, so an item
// without a shape has nothing to draw with.
void drawHudItem(const SceneNode& node, const Identity* scene, const Identity& controlled,
                 const ItemFrame& frame) {
  if (isKind(node, "RADAR")) {
    drawRadar(node, scene, controlled, frame);
    return;
  }
  if (!node.shape) return;
  const HudColour colour = itemColour(node, controlled);
  if (isTextItem(node)) {
    drawTextItem(node, controlled, frame);
  } else if (isKind(node, "HUDLINE")) {
    hudPolyline(node.vertices, colour, itemParam(node, 0), frame.view, frame.camera,
                frame.itemPose);
  } else if (isKind(node, "HUDQUAD")) {
    hudPolygon(node.vertices, colour, frame.view, frame.camera, frame.itemPose);
  } else if (isKind(node, "INDICATOR")) {
    drawIndicator(node, frame);
  } else if (isKind(node, "CIRCUL")) {
    drawCircle(node, frame);
  } else if (isKind(node, "TARGETBOX")) {
    const Pose* camera = frame.camera ? frame.camera : frame.view.freeCamera;
    for (const HudSegment& mark : targetBoxMarks(node, controlled, camera, frame.view.aspect)) {
      hudLine(colour, frame.view, frame.camera, nullptr, mark.hFrom, mark.vFrom, mark.hTo,
              mark.vTo);
    }
  }
}

}  // namespace

void drawHud(const Identity* scene, const Identity* controlled, const Pose* camera,
             const HudView& view, bool panel) {
  if (!panel || !controlled) return;
  for (const SceneNode* node = controlled->nodes.get(); node; node = node->next.get()) {
    drawHudItem(*node, scene, *controlled, ItemFrame{view, camera, node->pose.get()});
  }
}

}  // namespace vev
