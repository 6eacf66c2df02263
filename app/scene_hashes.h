#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/file_hash.h"
#include "model/model_state.h"
#include "model/texture_list.h"
#include "sound/sound_registry.h"

namespace vev {

// Every scene file the model's Identities were loaded from, each once, in list order.
std::vector<FileHash> sceneFileHashes(const ModelState& model, const std::string& dataDir);

// The scene files as above, then every bitmap and sample the scene uses, each once.
std::vector<FileHash> loadedFileHashes(const ModelState& model, const TextureList& textures,
                                       const SoundRegistry& sounds, const std::string& dataDir);

}  // namespace vev
