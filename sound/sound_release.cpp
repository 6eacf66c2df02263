#include "sound/sound_release.h"

#include <set>

namespace vev {
namespace {

void markUsed(const SoundRef* ref, std::set<std::int32_t>& used) {
  if (ref) used.insert(ref->entry);
}

}  // namespace

void releaseUnusedSounds(SoundRegistry& sounds, const Identity* scene) {
  std::set<std::int32_t> used;
  for (const Identity* identity = scene; identity; identity = identity->next.get()) {
    markUsed(identity->sound.get(), used);
    markUsed(identity->body.sound.get(), used);
    for (const SceneNode* node = identity->nodes.get(); node; node = node->next.get()) {
      markUsed(node->sound.get(), used);
      if (node->body) markUsed(node->body->sound.get(), used);
    }
  }
  sounds.keepOnly(used);
}

}  // namespace vev
