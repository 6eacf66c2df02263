#include "tests/sim/sim_scene.h"

#include <memory>
#include <string>

#include "model/text.h"
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

Polygon& SimScene::addSquare(Identity& identity, SceneNode& owner, const Vec3& centre,
                             const Vec3& u, const Vec3& v) {
  Polygon polygon;
  for (const Vec3& corner : {centre - u - v, centre + u - v, centre + u + v, centre - u + v}) {
    polygon.vertices.push_back({.position = corner});
  }
  polygon.normal = cross(u, v);
  normalise(polygon.normal);
  polygon.collision = 1;
  polygon.owner = &owner;
  identity.polygons.push_back(std::move(polygon));
  return identity.polygons.back();
}

DrawList SimScene::drawList() {
  DrawList list;
  for (Identity* identity = model.scene.get(); identity; identity = identity->next.get()) {
    for (Polygon& polygon : identity->polygons) list.push_back(&polygon);
  }
  return list;
}

void SimScene::runFrame() {
  std::int32_t joystickEnabled = 0;
  stepDynamics(model, drawList());
  stepControls(model, nullptr, joystickEnabled);
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
