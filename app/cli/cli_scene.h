#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/model_state.h"
#include "model/texture_list.h"
#include "sound/sound_registry.h"
#include "sound/sound_table.h"

namespace vev {

// Everything a command-line run holds: the model, the textures and the sounds of the files it
// loaded, with messages going to standard error.
struct CliScene {
  // `sound` is the table the scene's sound lines load into; it is initialised here.
  explicit CliScene(std::unique_ptr<SoundLibrary> sound);

  // Loads the files one after the other into one scene, as the program does. A file that cannot
  // be opened is named on standard error and the rest are still loaded; false if any failed.
  bool loadFiles(const std::vector<std::string>& paths);

  ModelState model;
  TextureList textures;
  SoundTable soundTable;
  SoundRegistry sounds;
};

}  // namespace vev
