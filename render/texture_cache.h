#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/texture_list.h"
#include "render/render_settings.h"

namespace vev {

// GL texture objects for the images of a texture list, each sent to GL once, the first time a
// frame draws with it, and bound from then on; an image read again from disk is sent again. The
// names belong to the GL context that was current then; a name that the current context does not
// know is uploaded again. Owned by the view beside its texture list; `forget` it when that list is
// replaced.
class TextureCache {
 public:
  // Binds the image of `entry` (an entry of `textures`) with the frame's wrapping, uploading it
  // first when needed; false, with nothing bound, when the entry has no image to show.
  bool bind(const TextureList& textures, const TextureEntry& entry, const RenderSettings& settings);
  // Drops every name (without deleting them: their context may be gone).
  void forget();
  // Deletes every name from the current GL context and forgets them.
  void release();

 private:
  std::size_t indexOf(const TextureList& textures, const TextureEntry& entry) const;

  struct Uploaded {
    unsigned int name = 0;  // 0 for not uploaded
    std::uint32_t revision = 0;
  };
  std::vector<Uploaded> uploaded_;  // by entry index
};

}  // namespace vev
