#include "hud/text_items.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "hud/item_params.h"
#include "hud/number_format.h"
#include "model/text.h"

namespace vev {
namespace {

constexpr int kUnitsSlot = 2;
constexpr int kShowUnitsSlot = 3;
constexpr int kDigitsSlot = 4;

enum class TextKind {
  string,
  name,
  name2,
  name3,
  team,
  speed,
  range,
  damage,
  heading,
  inclination
};

struct TextKindName {
  std::string_view kind;
  TextKind textKind;
};

constexpr std::array<TextKindName, 10> kTextKinds{{
    {"HUDSTRING", TextKind::string},
    {"NAME", TextKind::name},
    {"NAME2", TextKind::name2},
    {"NAME3", TextKind::name3},
    {"TEAM", TextKind::team},
    {"SPEEDMETER", TextKind::speed},
    {"RANGE", TextKind::range},
    {"DAMAGE", TextKind::damage},
    {"HEADING", TextKind::heading},
    {"INCLINATION", TextKind::inclination},
}};

std::optional<TextKind> textKindOf(const SceneNode& node) {
  for (const TextKindName& entry : kTextKinds) {
    if (sameText(node.kind, entry.kind) == 0) return entry.textKind;
  }
  return std::nullopt;
}

// An item with a `target` line shows the target's values.
bool showsTarget(const SceneNode& node) {
  return !node.vertices.empty();
}

// The Identity whose values the item shows: null for a target-bound item without a target.
const Identity* shownIdentity(const SceneNode& node, const Identity& controlled) {
  return showsTarget(node) ? controlled.target : &controlled;
}

int hudDigits(const SceneNode& node) {
  const float digits = itemParam(node, kDigitsSlot);
  if (!(digits >= 1.0f)) return kDefaultHudDigits;
  return static_cast<int>(std::min(digits, static_cast<float>(kMaxHudDigits)));
}

bool inKilometres(const SceneNode& node) {
  return itemParam(node, kUnitsSlot) == 1.0f;
}

// " m/s" after the number, "\nm/s" on the next line, or nothing, by `showunits`.
std::string unitSuffix(const SceneNode& node, std::string_view unit) {
  const float show = itemParam(node, kShowUnitsSlot);
  if (show == 1.0f) return " " + std::string(unit);
  if (show == 2.0f) return "\n" + std::string(unit);
  return "";
}

std::string speedText(const SceneNode& node, const Identity& controlled) {
  const Identity* shown = shownIdentity(node, controlled);
  float speed = shown ? length(shown->motion.velocity) : 0.0f;
  if (inKilometres(node)) speed *= 3.6f;
  if (speed < 0.1f) speed = 0.0f;
  return formatSignificant(speed, hudDigits(node)) +
         unitSuffix(node, inKilometres(node) ? "km/h" : "m/s");
}

std::string rangeText(const SceneNode& node, const Identity& controlled) {
  float range = controlled.target ? controlled.pose.targetRange : 0.0f;
  if (inKilometres(node)) range *= 0.001f;
  if (range < 0.1f) return "0";
  return formatSignificant(range, hudDigits(node)) +
         unitSuffix(node, inKilometres(node) ? "km" : "m");
}

// Damage taken as a percentage of the strength; 0 without a damage record or a strength. A
// destroyed craft has had its count cleared: it shows the strength exceeded, not a fresh 0.
std::string damageText(const SceneNode& node, const Identity& controlled) {
  const Identity* shown = shownIdentity(node, controlled);
  float percent = 0.0f;
  if (shown && shown->damage && shown->damage->strength != 0) {
    percent = 100.0f * shown->damage->taken / shown->damage->strength;
  }
  const bool destroyed = shown && shown->damage && shown->damage->destroyed != 0;
  std::string text = destroyed ? "100+" : formatSignificant(percent, 3);
  if (itemParam(node, kShowUnitsSlot) == 1.0f) text += " X";
  return text;
}

std::string headingText(const SceneNode& node, const Identity& controlled) {
  if (!showsTarget(node)) return formatAngle(controlled.pose.heading);
  return formatAngle(controlled.target ? controlled.pose.targetAzimuth : 0.0f);
}

std::string inclinationText(const SceneNode& node, const Identity& controlled) {
  if (showsTarget(node)) {
    return formatAngle(controlled.target ? controlled.pose.targetElevation : 0.0f);
  }
  // A level nose reads level: rounding leaves the computed value a hair below 0, which must not
  // read "-000", and a value left from before the nose came level is not shown either.
  const bool level = controlled.pose.tangent[1] == 0.0f;
  return formatAngle(level ? 0.0f : controlled.pose.inclination);
}

// One of the Identity's names, or of its target's.
std::optional<std::string> nameText(const SceneNode& node, const Identity& controlled,
                                    std::string Identity::*name) {
  const Identity* shown = shownIdentity(node, controlled);
  if (!shown) return std::nullopt;
  return shown->*name;
}

}  // namespace

bool isTextItem(const SceneNode& node) {
  return textKindOf(node).has_value();
}

std::optional<std::string> hudItemText(const SceneNode& node, const Identity& controlled) {
  const std::optional<TextKind> kind = textKindOf(node);
  if (!kind) return std::nullopt;
  switch (*kind) {
    case TextKind::string:
      return node.name;
    case TextKind::name:
      return nameText(node, controlled, &Identity::name);
    case TextKind::name2:
      return nameText(node, controlled, &Identity::hudName);
    case TextKind::name3:
      return nameText(node, controlled, &Identity::hudName2);
    case TextKind::team:
      return nameText(node, controlled, &Identity::hudName3);
    case TextKind::speed:
      return speedText(node, controlled);
    case TextKind::range:
      return rangeText(node, controlled);
    case TextKind::damage:
      return damageText(node, controlled);
    case TextKind::heading:
      return headingText(node, controlled);
    case TextKind::inclination:
      return inclinationText(node, controlled);
  }
  return std::nullopt;
}

}  // namespace vev
