#pragma once

#include <initializer_list>
#include <memory>
#include <string_view>

#include "model/identity.h"
#include "model/scene_node.h"

namespace vev::test {

// A scene built by hand as the loader leaves it: the first Identity is the controlled craft at
// the origin looking along +x, and HUD nodes are appended to it in file order.
class HudScene {
 public:
  HudScene() : controlled(appendIdentity(scene, newIdentity())) { controlled.name = "Falcon"; }

  Identity& addIdentity(std::string_view name, const Vec3& position) {
    Identity& identity = appendIdentity(scene, newIdentity());
    identity.name = name;
    identity.pose.position = position;
    return identity;
  }

  // A HUD item of `kind` with its parameter slots from dim0 on, drawn in white with a grey
  // second colour unless a test changes them.
  SceneNode& addItem(std::string_view kind, std::initializer_list<float> params = {}) {
    std::unique_ptr<SceneNode>* link = &controlled.nodes;
    while (*link) link = &(*link)->next;
    *link = std::make_unique<SceneNode>();
    SceneNode& node = **link;
    node.kind = kind;
    node.active = 1;
    node.shape = std::make_unique<Shape>();
    node.shape->diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    node.shape->ambient = {0.5f, 0.5f, 0.5f, 1.0f};
    int slot = 0;
    for (const float value : params) writableParamSlot(node, slot++) = value;
    return node;
  }

  std::unique_ptr<Identity> scene;
  Identity& controlled;
};

// Makes an item show its target's values, as a `target` line does.
inline void bindToTarget(SceneNode& node) {
  node.vertices.push_back(Vertex{});
}

}  // namespace vev::test
