#include <cstdio>
#include <memory>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/scene_files.h"
#include "app/scene_json.h"
#include "sound/openal_sound_library.h"

namespace vev {

int runDump(const std::vector<std::string>& args) {
  std::vector<std::string> files;
  if (!parseFileArguments("dump", args, files)) return 2;
  // The null output decodes every sample without a sound device, so what is printed does not
  // depend on the machine.
  OpenAlOptions output;
  output.backend = OpenAlOptions::Backend::Null;
  ViewState view(std::make_unique<OpenAlSoundLibrary>(output));
  const bool allLoaded = loadSceneFiles(view, files);
  const std::string json = sceneJson(view.model, view.textures, view.sounds);
  std::fwrite(json.data(), 1, json.size(), stdout);
  return allLoaded ? 0 : 1;
}

}  // namespace vev
