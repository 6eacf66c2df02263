#include "render/texture_cache.h"

#include <GL/gl.h>

namespace vev {
namespace {

// An entry whose bitmap could not be read, or whose rows fall short of its size, has nothing to
// send; its faces are then drawn in their lit colours.
bool hasImage(const TextureEntry& entry) {
  if (!entry.loaded || entry.imageWidth <= 0 || entry.imageHeight <= 0) return false;
  const std::size_t stride = (static_cast<std::size_t>(entry.imageWidth) * 3 + 3) & ~std::size_t{3};
  return entry.rgbPixels.size() >= stride * static_cast<std::size_t>(entry.imageHeight);
}

// Rows are padded to four bytes, as a bitmap's are. Only the settings and formats that WebGL
// also takes: there the unpack row length and skips do not exist (GL's defaults hold).
void upload(const TextureEntry& entry) {
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, entry.imageWidth, entry.imageHeight, 0, GL_RGB,
               GL_UNSIGNED_BYTE, entry.rgbPixels.data());
}

}  // namespace

std::size_t TextureCache::indexOf(const TextureList& textures, const TextureEntry& entry) const {
  const auto& entries = textures.entries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (&entries[i] == &entry) return i;
  }
  return entries.size();
}

bool TextureCache::bind(const TextureList& textures, const TextureEntry& entry,
                        const RenderSettings& settings) {
  if (!hasImage(entry)) return false;
  const std::size_t index = indexOf(textures, entry);
  if (index >= textures.entries().size()) return false;
  if (uploaded_.size() <= index) uploaded_.resize(index + 1);
  Uploaded& uploaded = uploaded_[index];
  if (uploaded.name != 0 && glIsTexture(uploaded.name) == GL_TRUE) {
    glBindTexture(GL_TEXTURE_2D, uploaded.name);
    if (uploaded.revision != entry.revision) upload(entry);
  } else {
    glGenTextures(1, &uploaded.name);
    glBindTexture(GL_TEXTURE_2D, uploaded.name);
    upload(entry);
  }
  uploaded.revision = entry.revision;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  // With nearest filtering, clamping to the edge picks the texels GL_CLAMP picks, and WebGL has
  // only the former.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T,
                  settings.clampTextures ? GL_CLAMP_TO_EDGE : GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  return true;
}

void TextureCache::forget() {
  uploaded_.clear();
}

void TextureCache::release() {
  for (const Uploaded& uploaded : uploaded_) {
    if (uploaded.name != 0) glDeleteTextures(1, &uploaded.name);
  }
  forget();
}

}  // namespace vev
