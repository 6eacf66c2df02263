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

// Reads the bitmap of a listed path again, for an author who edits it while the program runs.
// An image that differs from the one held replaces it and counts a new revision, which the
// renderer sends to GL again; true then. An unlisted path, or a bitmap that now cannot be read
// (caught while it is written), changes nothing.
bool rereadTexture(TextureList& textures, const std::string& path);

}  // namespace vev
