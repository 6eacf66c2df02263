#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/camera_choice.h"
#include "app/cli/command_usage.h"
#include "app/cli/commands.h"
#include "app/cli/png_file.h"
#include "app/cli/render_options.h"
#include "app/cli/scene_files.h"
#include "app/frame.h"
#include "render/offscreen/offscreen_context.h"
#include "render/renderer.h"
#include "sound/silent_sound_library.h"

namespace vev {

int runRender(const std::vector<std::string>& args) {
  std::string error;
  const auto options = parseRenderOptions(args, error);
  if (!options) {
    std::fprintf(stderr, "vev-scene render: %s\n%.*s", error.c_str(),
                 static_cast<int>(kRenderUsage.size()), kRenderUsage.data());
    return 2;
  }
  ViewState view(std::make_unique<SilentSoundLibrary>());
  const bool allLoaded = loadSceneFiles(view, options->files);
  view.model.activeCamera = chooseCamera(view.model, options->cameraNode);
  if (!view.model.activeCamera) {
    std::fprintf(stderr, "vev-scene render: the first Identity has no node %d with a pose\n",
                 options->cameraNode);
    return 1;
  }
  auto context = OffscreenContext::create(options->width, options->height);
  if (!context) {
    std::fprintf(stderr, "vev-scene render: cannot create an offscreen GL context\n");
    return 1;
  }
  resize(view.viewport, options->width, options->height);
  view.settings = options->settings;
  for (int frame = 0; frame < options->frames; ++frame) {
    drawStillFrame(view);
    context->finish();
  }
  if (!writePngFile(options->output, options->width, options->height, context->rgbaRows())) {
    std::fprintf(stderr, "vev-scene render: cannot write %s\n", options->output.c_str());
    return 1;
  }
  return allLoaded ? 0 : 1;
}

}  // namespace vev
