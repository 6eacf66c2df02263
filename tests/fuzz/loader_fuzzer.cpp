#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "model/model_state.h"
#include "model/texture_list.h"
#include "scenefile/load_report.h"
#include "scenefile/loader.h"
#include "sound/silent_sound_library.h"
#include "sound/sound_registry.h"
#include "sound/sound_table.h"

// Each input is loaded as a scene file from memory into a fresh model, twice over the same
// model so that appending to an existing list is exercised as well; the second time with a
// report, as the checker loads. Its directory does not exist, so no texture or sound name it
// holds can reach a real file (such as a device).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vev::ModelState model;
  vev::TextureList textures;
  vev::SoundTable table(std::make_unique<vev::SilentSoundLibrary>());
  vev::SoundRegistry sounds(table);
  vev::SceneAssets assets{textures, sounds, {}};
  // fmemopen refuses an empty buffer, so every input gets one byte of room.
  std::vector<char> bytes(data, data + size);
  bytes.push_back('\0');
  vev::LoadReport report;
  for (vev::LoadReport* sink : {static_cast<vev::LoadReport*>(nullptr), &report}) {
    std::FILE* file = fmemopen(bytes.data(), size == 0 ? 1 : size, "r");
    if (!file) return 0;
    vev::loadSceneStream(file, "/nonexistent/fuzz/input.zsf", model, assets, sink);
    std::fclose(file);
  }
  return 0;
}
