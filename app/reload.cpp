#include "app/reload.h"

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/asset_refresh.h"
#include "app/flight_carry.h"
#include "app/load_findings.h"
#include "app/news.h"
#include "model/path.h"
#include "model/regular_file.h"
#include "scenefile/load_report.h"
#include "scenefile/loader.h"
#include "scenefile/section_readers.h"
#include "sound/sound_release.h"

namespace vev {
namespace {

struct Replacement {
  Identity* old = nullptr;
  Identity* fresh = nullptr;
};

// A file being saved is caught cut short: its last line is not yet the `*END` that closes it.
// What is no regular file (and is never read, so as not to wait on a pipe) is told as such later.
bool endsWithEnd(const std::string& path) {
  const FileHandle file = openRegularStream(nativePath(path));
  if (!file) return true;
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
    text.append(buffer, n);
  }
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  if (last == std::string::npos) return false;
  text.erase(last + 1);
  const std::size_t lineStart = text.find_last_of('\n');
  return text.substr(lineStart == std::string::npos ? 0 : lineStart + 1) == "*END";
}

bool hasPart(const Identity& identity) {
  for (const SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    if (findSectionReader(node->kind)) return true;
  }
  return false;
}

// A fresh load of the file as a list of its own; null when it cannot be read or has no part (a
// file caught half written, or replaced by something else).
std::unique_ptr<Identity> freshLoad(const std::string& path, SceneAssets& assets,
                                    LoadReport* report) {
  ModelState scratch;
  if (!loadSceneFile(path, scratch, assets, report) || !scratch.scene || !hasPart(*scratch.scene)) {
    return nullptr;
  }
  return std::move(scratch.scene);
}

// Who the old Identity was in the scene, carried over to its replacement; what the fresh file no
// longer has (see carryFlight).
std::vector<std::string> carryOver(const Identity& old, Identity& fresh) {
  std::vector<std::string> dropped = carryFlight(old, fresh);
  fresh.hudName = old.hudName;
  fresh.hudName2 = old.hudName2;
  fresh.hudName3 = old.hudName3;
  fresh.keys = old.keys;
  fresh.target = old.target;
  return dropped;
}

// The pose in `fresh` at the place `pose` has in `old`, or null. With `fresh` the old Identity
// itself, this tells whether the pose is one of its own.
Pose* matchingPose(const Identity& old, Identity& fresh, const Pose* pose) {
  if (pose == &old.pose) return &fresh.pose;
  const SceneNode* before = old.nodes.get();
  SceneNode* after = fresh.nodes.get();
  for (; before && after; before = before->next.get(), after = after->next.get()) {
    if (before->pose.get() == pose) return after->pose.get();
  }
  return nullptr;
}

// The replacements are in the list by now, so their own targets are redirected too.
void redirectReferences(ModelState& model, const std::vector<Replacement>& replaced) {
  for (const Replacement& r : replaced) {
    if (model.controlled == r.old) model.controlled = r.fresh;
    if (matchingPose(*r.old, *r.old, model.activeCamera)) {
      Pose* camera = matchingPose(*r.old, *r.fresh, model.activeCamera);
      model.activeCamera = camera ? camera : &model.freeCamera;
    }
    for (Identity* it = model.scene.get(); it; it = it->next.get()) {
      if (it->target == r.old) it->target = r.fresh;
    }
  }
}

// Puts `fresh` in the place of `old` in the list and hands back the old one.
std::unique_ptr<Identity> swapIn(ModelState& model, Identity& old,
                                 std::unique_ptr<Identity> fresh) {
  std::unique_ptr<Identity>* link = &model.scene;
  while (link->get() != &old) link = &(*link)->next;
  fresh->next = std::move(old.next);
  std::unique_ptr<Identity> released = std::move(*link);
  *link = std::move(fresh);
  return released;
}

}  // namespace

void reloadSceneFile(ViewState& view, const std::string& path,
                     const UnreadableTextureHandler& onUnreadableTexture) {
  ModelState& model = view.model;
  std::vector<Identity*> olds;
  for (Identity* it = model.scene.get(); it; it = it->next.get()) {
    if (it->sourcePath == path) olds.push_back(it);
  }
  if (olds.empty()) return;
  if (!endsWithEnd(path)) {
    view.news.push_back(unfinishedNews(*olds.front(), path));
    return;
  }
  SceneAssets assets = view.assets(onUnreadableTexture);
  LoadReport report;
  std::vector<std::unique_ptr<Identity>> loads;
  for (std::size_t i = 0; i < olds.size(); ++i) {
    loads.push_back(freshLoad(path, assets, i == 0 ? &report : nullptr));
    if (!loads.back()) {
      view.news.push_back(keptNews(*olds.front(), path));
      releaseUnusedSounds(view.sounds, model.scene.get());
      return;
    }
  }
  std::vector<Replacement> replaced;
  std::vector<std::unique_ptr<Identity>> released;
  std::vector<std::string> dropped;
  for (std::size_t i = 0; i < olds.size(); ++i) {
    std::vector<std::string> lost = carryOver(*olds[i], *loads[i]);
    if (i == 0) dropped = std::move(lost);
    Identity* fresh = loads[i].get();
    released.push_back(swapIn(model, *olds[i], std::move(loads[i])));
    replaced.push_back({olds[i], fresh});
  }
  redirectReferences(model, replaced);
  refreshAssets(view, assetPathsOf(*replaced.front().fresh));
  noteLoadedParts(report);
  releaseUnusedSounds(view.sounds, model.scene.get());
  view.news.push_back(reloadedNews(*replaced.front().fresh, path, report, dropped));
}

}  // namespace vev
