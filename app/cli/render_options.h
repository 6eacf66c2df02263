#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/settings.h"

namespace vev {

// What `vev-scene render` was asked for.
struct RenderOptions {
  std::vector<std::string> files;
  std::string output;
  int width = 800;
  int height = 600;
  int cameraNode = -1;  // node of the first Identity whose pose is the camera; -1: the free camera
  int frames = 1;
  Settings settings;
};

// The options of `render FILE... -o OUT.png [--size WxH] [--camera free|N] [--shading s|f|w]
// [--no-textures] [--help-panel] [--frames K]`; empty, with the reason in `error`, when they do
// not parse. `--help-panel` shows the control panel of the controlled Identity.
std::optional<RenderOptions> parseRenderOptions(const std::vector<std::string>& args,
                                                std::string& error);

}  // namespace vev
