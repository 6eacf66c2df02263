#pragma once

#include <optional>
#include <string>

#include "model/identity.h"
#include "model/scene_node.h"

namespace vev {

// The digits a SPEEDMETER or RANGE is written with when its `digits` is missing or below 1.
inline constexpr int kDefaultHudDigits = 3;

// Whether the node is one of the HUD items that show a text.
bool isTextItem(const SceneNode& node);

// What a text item shows this frame, from the controlled Identity or, for an item with a
// `target` line, from its target; nothing for a target-bound name while no target is selected,
// and for a node that is not a text item.
std::optional<std::string> hudItemText(const SceneNode& node, const Identity& controlled);

}  // namespace vev
