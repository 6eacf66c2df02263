#pragma once

#include <initializer_list>
#include <string_view>

#include "model/identity.h"
#include "model/model_state.h"
#include "model/polygon.h"
#include "model/scene_node.h"
#include "model/vector3.h"

namespace vev::test {

// Builds small scenes by hand, as the loader would leave them: Identities appended to the model's
// scene, nodes in file order with their part tree, poses already in world coordinates.
class SimScene {
 public:
  ModelState model;

  Identity& addIdentity(std::string_view name, const Vec3& position = {});

  // Appends a node of `kind` with a unit-axes pose at `position` (world) and `active` 1; under
  // `parent` when given, else top level. Add children directly after their parent.
  SceneNode& addNode(Identity& identity, std::string_view kind, const Vec3& position = {},
                     SceneNode* parent = nullptr);

  // A square collision face centred at `centre` (world), spanned by the half-edges `u` and `v`,
  // facing u x v, added to the collision shape of `owner` as it stands now.
  void addSquare(SceneNode& owner, const Vec3& centre, const Vec3& u, const Vec3& v);

  // The flight dynamics of one step, with collisions against the scene as it stands.
  void dynamics();

  // One frame of the simulation: dynamics, controls, sweep.
  void runFrame();
  int identityCount() const;
};

// The node's body, created on first use.
BodyState& bodyOf(SceneNode& node);

void setParams(SceneNode& node, std::initializer_list<float> values);

ControlChannel channel(KeyCode increase, KeyCode decrease, float rate, float roomUp, float roomDown,
                       std::int16_t unlimited = 0);

// A damage record with the given strength, shot power and removal mode.
DamageState& giveDamage(Identity& identity, std::int16_t strength, std::int16_t power = 0,
                        std::int16_t removal = 0, KeyCode triggerKey = 0);

}  // namespace vev::test
