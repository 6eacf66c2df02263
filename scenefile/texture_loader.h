#pragma once

#include <functional>
#include <string>

#include "model/texture_list.h"

namespace vev {

// Told once per path whose bitmap cannot be read (the program shows "Could Not read texture").
using UnreadableTextureHandler = std::function<void(const std::string& path)>;

// Returns the entry of `path`, appending it and reading its bitmap when the path is new.
const TextureEntry& addTexture(TextureList& textures, const std::string& path,
                               const UnreadableTextureHandler& onUnreadable);

}  // namespace vev
