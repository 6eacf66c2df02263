#include "app/asset_refresh.h"

#include "app/news.h"
#include "scenefile/texture_loader.h"

namespace vev {
namespace {

void addSound(const SoundRef* ref, std::set<std::string>& paths) {
  if (ref && !ref->path.empty()) paths.insert(ref->path);
}

}  // namespace

std::set<std::string> assetPathsOf(const Identity& identity) {
  std::set<std::string> paths;
  addSound(identity.sound.get(), paths);
  addSound(identity.body.sound.get(), paths);
  for (const SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    if (node->shape && !node->shape->texturePath.empty()) paths.insert(node->shape->texturePath);
    addSound(node->sound.get(), paths);
    if (node->body) addSound(node->body->sound.get(), paths);
  }
  return paths;
}

bool refreshAssets(ViewState& view, const std::set<std::string>& paths) {
  bool changed = false;
  for (const std::string& path : paths) {
    if (rereadTexture(view.textures, path) || view.sounds.rereadSample(path)) {
      view.news.push_back(rereadNews(path));
      changed = true;
    }
  }
  return changed;
}

}  // namespace vev
