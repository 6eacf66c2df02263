#pragma once

#include <cstdint>

#include "render/render_settings.h"

namespace vev {

// The user's options. All but `collisionDebug` are stored between runs under the names in
// the comments; the defaults are those of a first run. `attack` is our own, beside the eight the
// program has always kept.
struct Settings {
  std::int32_t shading = 's';        // "shading": 's' solid, 'f' flat, 'w' wireframe
  std::int32_t textures = 1;         // "tex"
  std::int32_t idHelp = 0;           // "IDHelp": on-screen help for the controlled Identity
  std::int32_t soundEnabled = 1;     // "sound"
  std::int32_t joystickEnabled = 1;  // "joyflag"
  std::int32_t clampTextures = 1;    // "clamptex"
  std::int32_t panel = 1;            // "panel": draw the HUD at all
  std::int32_t simpleShapes = 0;     // "simpleshapes"
  std::int32_t attack = 0;           // "attack": the computer-flown craft fight the controlled one
  std::int32_t collisionDebug = 0;   // not stored: draw the collision test's vectors

  RenderSettings renderSettings() const {
    RenderSettings render;
    render.shading = static_cast<char>(shading);
    render.textures = textures;
    render.clampTextures = clampTextures;
    render.simpleShapes = simpleShapes;
    return render;
  }
};

}  // namespace vev
