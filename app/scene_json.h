#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/model_state.h"
#include "model/texture_list.h"
#include "sound/sound_registry.h"

namespace vev {

// The model as JSON: {"controlled": I, "camera": {"identity": I, "node": N} or "free",
// "identities": [...], "textures": [...], "sounds": [...]}, with a "frame"
// member first when one is given. Identities are listed in scene order and nodes in file order;
// links between them (target, firstChild, sibling) are indexes into those lists.
std::string sceneJson(const ModelState& model, const TextureList& textures,
                      const SoundRegistry& sounds,
                      std::optional<std::int64_t> frame = std::nullopt);

}  // namespace vev
