#pragma once

#include <algorithm>
#include <cmath>

#include "model/scene_node.h"
#include "render/hud_primitives.h"

namespace vev {

// A HUD item's parameter slot dim0-dim8; 0 when the item has no cell holding it.
inline float itemParam(const SceneNode& node, int slot) {
  const float* value = paramSlot(node, slot);
  return value ? *value : 0.0f;
}

// A text line or column from its slot, truncated; bounded well outside the text grid so that
// any number in a file converts safely.
inline int textCell(const SceneNode& node, int slot) {
  const float value = itemParam(node, slot);
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::clamp(value, -1000.0f, 1000.0f));
}

inline HudColour diffuseColour(const Shape& shape) {
  return {shape.diffuse[0], shape.diffuse[1], shape.diffuse[2]};
}
inline HudColour ambientColour(const Shape& shape) {
  return {shape.ambient[0], shape.ambient[1], shape.ambient[2]};
}

}  // namespace vev
