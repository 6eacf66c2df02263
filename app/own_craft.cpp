#include "app/own_craft.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "app/commands.h"
#include "app/flight_carry.h"
#include "app/load_findings.h"
#include "app/news.h"
#include "model/kinematics.h"
#include "scenefile/load_report.h"
#include "scenefile/loader.h"
#include "scenefile/section_readers.h"
#include "sim/node_kind.h"

namespace vev {
namespace {

// Room left between two craft placed side by side, and the step by which a place ahead is moved
// further out while it overlaps another craft; metres.
constexpr float kClearance = 20.0f;
constexpr int kMostSteps = 100;

float length(const Vec3& v) {
  return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

// The radius of a sphere around the Identity's origin that holds its parts: each part's place
// and the farthest of its vertices. HUD items are drawn on the screen, not in the scene, and a
// camera (a chase camera hangs far behind) has no body.
float reach(const Identity& identity) {
  float radius = 0.0f;
  for (const SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    if (!node->pose || isHudItemKind(node->kind) || isKind(*node, "CAMERA")) continue;
    float size = 0.0f;
    for (const Vertex& v : node->vertices) size = std::max(size, length({v.x, v.y, v.z}));
    radius = std::max(radius, length(node->pose->position - identity.pose.position) + size);
  }
  return radius;
}

// Scenery (an Identity that takes no damage, such as the surroundings with their far stars) is
// no craft to keep clear of.
bool overlapsAnother(const ModelState& model, const Identity& craft, float craftReach) {
  for (const Identity* it = model.scene.get(); it; it = it->next.get()) {
    if (it == &craft || isShot(*it) || !it->damage) continue;
    const float apart = length(it->pose.position - craft.pose.position);
    if (apart < reach(*it) + craftReach + kClearance) return true;
  }
  return false;
}

// Puts `craft` beside the player, turned and moving as the player is, so that it flies in
// formation with it and sees what the player saw: on its right or left, then above, below or
// behind it, at the nearest of these places that is clear of every craft, and further out by the
// clearance while none is; ahead of the player only when nothing else is clear.
void placeBeside(const ModelState& model, const Identity& player, Identity& craft) {
  turnAndMoveOnto(craft, player.pose);
  craft.motion.velocity = player.motion.velocity;
  const float craftReach = reach(craft);
  const Pose& frame = player.pose;
  const Vec3 sides[] = {frame.binormal,       -1.0f * frame.binormal, frame.normal,
                        -1.0f * frame.normal, -1.0f * frame.tangent,  frame.tangent};
  float distance = reach(player) + craftReach + kClearance;
  for (int step = 0; step < kMostSteps; ++step, distance += kClearance) {
    for (const Vec3& side : sides) {
      const Vec3 offset = frame.position + distance * side - craft.pose.position;
      translateIdentity(craft, offset[0], offset[1], offset[2]);
      if (!overlapsAnother(model, craft, craftReach)) return;
    }
  }
}

bool holdsPart(const Identity& identity) {
  for (const SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    if (findSectionReader(node->kind)) return true;
  }
  return false;
}

void append(ModelState& model, std::unique_ptr<Identity> identity) {
  std::unique_ptr<Identity>* link = &model.scene;
  while (*link) link = &(*link)->next;
  *link = std::move(identity);
}

}  // namespace

void startThroughFirstCamera(ModelState& model) {
  // Before the first frame no Identity is controlled yet: the first one will be.
  Identity* player = model.controlled ? model.controlled : model.scene.get();
  if (!player) return;
  for (SceneNode* node = player->nodes.get(); node; node = node->next.get()) {
    if (isKind(*node, "CAMERA") && node->pose) {
      model.activeCamera = node->pose.get();
      return;
    }
  }
}

bool loadOwnScene(ViewState& view, const std::vector<std::string>& paths,
                  const UnreadableTextureHandler& onUnreadableTexture) {
  bool allLoaded = true;
  for (const std::string& path : paths) {
    allLoaded = addSceneFile(view, path, onUnreadableTexture) && allLoaded;
  }
  startThroughFirstCamera(view.model);
  return allLoaded;
}

bool flyCraftFile(ViewState& view, const std::string& path,
                  const UnreadableTextureHandler& onUnreadableTexture) {
  ModelState scratch;
  SceneAssets assets = view.assets(onUnreadableTexture);
  LoadReport report;
  if (!loadSceneFile(path, scratch, assets, &report) || !scratch.scene ||
      !holdsPart(*scratch.scene)) {
    view.news.push_back(noCraftNews(path));
    return false;
  }
  noteLoadedParts(report);
  ModelState& model = view.model;
  model.frameReady = 0;
  Identity* player = model.controlled ? model.controlled : model.scene.get();
  std::unique_ptr<Identity> loaded = std::move(scratch.scene);
  Identity& craft = *loaded;
  append(model, std::move(loaded));
  if (player) placeBeside(model, *player, craft);
  model.controlled = &craft;
  startThroughFirstCamera(model);
  model.frameReady = 1;
  view.news.push_back(flyingNews(craft, path, report));
  return true;
}

}  // namespace vev
