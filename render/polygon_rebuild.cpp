#include "render/polygon_rebuild.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "render/build_context.h"
#include "render/parallel_for.h"
#include "render/polygon_builder.h"
#include "render/shape_builders.h"

namespace vev {
namespace {

// Kinds whose faces depend on the camera (level of detail, billboards, backdrops, colours by
// view) or on a clock.
bool rebuiltEveryFrame(std::string_view kind) {
  return kind == "CROUNDBEAM" || kind == "EXPLOSION" || kind == "ROUNDBEAM" ||
         kind == "SMQUADBEAML" || kind == "RETIBEAM" || kind == "SMQUAD" || kind == "QUAD";
}

bool isDestroyed(const Identity& identity) {
  return identity.damage && identity.damage->destroyed == 1;
}

// How far an Identity's faces may have moved from `pose` since they were last measured, as a
// share of their reach and in metres: parts turn on their channels, flames grow with the
// throttle.
constexpr float kReachGrowth = 2.0f;
constexpr float kReachMargin = 5.0f;

bool isExploding(const Identity& identity) {
  for (const SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    if (node->kind == "EXPLOSION" && param(*node, 0) > 0.0f) return true;
  }
  return false;
}

// An Identity whose faces, measured at their last build, lie wholly outside the view, and that is
// not exploding (a growing disc has no reach to measure yet).
bool outOfView(const Identity& identity, const ViewVolume& view) {
  if (identity.drawnReach < 0.0f || isExploding(identity)) return false;
  return view.excludesBall(identity.pose.position,
                           kReachGrowth * identity.drawnReach + kReachMargin);
}

void measureReach(Identity& identity) {
  float farthest = 0.0f;
  for (const Polygon& polygon : identity.polygons) {
    for (const PolygonVertex& vertex : polygon.vertices) {
      farthest = std::max(farthest, length(vertex.position - identity.pose.position));
    }
  }
  identity.drawnReach = identity.polygons.empty() ? -1.0f : farthest;
}

void markOutOfView(Identity& identity, bool out) {
  for (Polygon& polygon : identity.polygons) polygon.outOfView = out ? 1 : 0;
}

void rebuildIdentity(Identity& identity, const BuildContext& context) {
  std::vector<SceneNode*> rebuilt;
  for (SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    if (node->dirty || rebuiltEveryFrame(node->kind)) rebuilt.push_back(node);
  }
  if (rebuilt.empty()) return;
  std::vector<SceneNode*> sorted = rebuilt;
  std::sort(sorted.begin(), sorted.end());
  std::erase_if(identity.polygons, [&](const Polygon& polygon) {
    return std::binary_search(sorted.begin(), sorted.end(), polygon.owner);
  });

  const bool destroyed = isDestroyed(identity);
  for (SceneNode* node : rebuilt) {
    if (node->kind == "EXPLOSION") {
      buildExplosion(*node, identity.polygons, context);
      node->dirty = 0;
      continue;
    }
    const ShapeBuilder builder = solidBuilder(node->kind);
    if (!builder || destroyed) continue;
    builder(*node, identity.polygons, context);
    node->dirty = 0;
  }
  measureReach(identity);
}

}  // namespace

DrawList rebuildPolygons(ModelState& model, const RenderSettings& settings,
                         const ViewVolume* view) {
  const Pose& camera = model.activeCamera ? *model.activeCamera : model.freeCamera;
  const BuildContext context{camera, model.lightDirection, model.frameStepSeconds(), settings};
  std::vector<Identity*> identities;
  for (Identity* identity = model.scene.get(); identity; identity = identity->next.get()) {
    identities.push_back(identity);
  }
  // Each Identity is rebuilt wholly by one thread from its own nodes, so the faces do not depend
  // on how many threads there are.
  parallelFor(identities.size(), [&](std::size_t i) {
    Identity& identity = *identities[i];
    const bool out = view && outOfView(identity, *view);
    if (!out) rebuildIdentity(identity, context);
    markOutOfView(identity, out);
  });
  DrawList drawList;
  for (Identity* identity : identities) {
    for (Polygon& polygon : identity->polygons) drawList.push_back(&polygon);
  }
  return drawList;
}

}  // namespace vev
