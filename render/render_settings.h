#pragma once

namespace vev {

// The user's settings that change how the scene is drawn; the program fills them from its stored
// settings and commands.
struct RenderSettings {
  char shading = 's';     // 's' smooth, 'f' flat, 'w' wireframe
  int textures = 1;       // draw textures
  int clampTextures = 1;  // the t coordinate clamps (1) or repeats (0); s always repeats
  int simpleShapes = 0;   // every curved shape takes its coarsest subdivision
};

}  // namespace vev
