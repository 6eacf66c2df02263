#include "tests/sim/sim_scene.h"

#include <memory>
#include <string>
#include <utility>

#include "model/text.h"
#include "sim/collision_shapes.h"
#include "sim/collision_world.h"
#include "sim/controls.h"
#include "sim/dynamics.h"
#include "sim/sweep.h"

namespace vev::test {

Identity& SimScene::addIdentity(std::string_view name, const Vec3& position) {
  auto identity = newIdentity();
  copyText(identity->name, name);
  identity->pose.position = position;
  identity->body.pivot = position;
  return appendIdentity(model.scene, std::move(identity));
}

SceneNode& SimScene::addNode(Identity& identity, std::string_view kind, const Vec3& position,
                             SceneNode* parent) {
  auto node = std::make_unique<SceneNode>();
  copyText(node->kind, kind);
  node->pose = std::make_unique<Pose>(unitPose(position));
  node->pose->collision = 1;
  node->active = 1;
  node->dirty = 1;
  SceneNode* raw = node.get();

  std::unique_ptr<SceneNode>* slot = &identity.nodes;
  while (*slot) slot = &(*slot)->next;
  *slot = std::move(node);

  SceneNode** link = nullptr;
  if (parent) {
    ++parent->childCount;
    link = &parent->firstChild;
  } else if (raw != identity.nodes.get()) {
    link = &identity.nodes->sibling;
  }
  if (link) {
    while (*link) link = &(*link)->sibling;
    *link = raw;
  }
  return *raw;
}

void SimScene::addSquare(SceneNode& owner, const Vec3& centre, const Vec3& u, const Vec3& v) {
  const Pose& pose = *owner.pose;
  const auto local = [&pose](const Vec3& d) {
    return Vec3{dot(d, pose.tangent), dot(d, pose.normal), dot(d, pose.binormal)};
  };
  CollisionFace face;
  for (const Vec3& corner : {centre - u - v, centre + u - v, centre + u + v, centre - u + v}) {
    face.corners.push_back(local(corner - pose.position));
  }
  Vec3 normal = cross(u, v);
  normalise(normal);
  face.normal = local(normal);
  addCollisionFace(owner, std::move(face));
}

void SimScene::dynamics() {
  CollisionWorld world(model);
  stepDynamics(model, world);
}

void SimScene::runFrame() {
  dynamics();
  stepControls(model, model.keyState);
  sweepSpent(model);
}

int SimScene::identityCount() const {
  int count = 0;
  for (const Identity* it = model.scene.get(); it; it = it->next.get()) ++count;
  return count;
}

BodyState& bodyOf(SceneNode& node) {
  if (!node.body) node.body = std::make_unique<BodyState>();
  return *node.body;
}

void setParams(SceneNode& node, std::initializer_list<float> values) {
  int slot = 0;
  for (float value : values) writableParamSlot(node, slot++) = value;
}

ControlChannel channel(KeyCode increase, KeyCode decrease, float rate, float roomUp, float roomDown,
                       std::int16_t unlimited) {
  ControlChannel result;
  result.increaseKey = increase;
  result.decreaseKey = decrease;
  result.rate = rate;
  result.roomUp = roomUp;
  result.roomDown = roomDown;
  result.unlimited = unlimited;
  return result;
}

DamageState& giveDamage(Identity& identity, std::int16_t strength, std::int16_t power,
                        std::int16_t removal, KeyCode triggerKey) {
  identity.damage = std::make_unique<DamageState>();
  identity.damage->strength = strength;
  identity.damage->power = power;
  identity.damage->removal = removal;
  identity.damage->triggerKey = triggerKey;
  return *identity.damage;
}

}  // namespace vev::test
