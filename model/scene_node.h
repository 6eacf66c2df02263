#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/body_state.h"
#include "model/collision_face.h"
#include "model/pose.h"
#include "model/sound_ref.h"
#include "model/vector3.h"

namespace vev {

// Appearance of a node. Colours are RGBA fractions (the file gives percentages).
struct Shape {
  std::array<float, 4> ambient{};
  std::array<float, 4> diffuse{};
  std::array<float, 4> specular{};
  std::int16_t lit = 0;      // 1 when an ambient or specular colour was given
  std::int16_t mapping = 0;  // texture mapping mode; 0 = untextured
  std::int16_t wire = 0;
  // Mode 5: world points that move with the node; mode 6: points in the node's own coordinates.
  std::array<Vec3, 4> mapPoints{};
  std::string texturePath;  // scene directory followed by the texture file name
  // Our own: the colour a textured face shows while its texture is not drawn (textures switched
  // off, or an image that cannot be shown); without it, the face keeps its lit colour.
  std::optional<std::array<float, 4>> untextured;
};

// One point of a node's vertex list, in the node's own coordinates (HUD items: HUD-plane points).
struct Vertex {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  std::array<std::int32_t, 5> work{};
};

struct JetThrottle {
  float level = 0.0f;  // 0 to 1
};

// Three parameter slots: dim0-dim2 are the first cell, dim3-dim5 the second, dim6-dim8 the third.
using ParamCell = std::array<float, 3>;
inline constexpr int kParamSlots = 9;

// One part of an Identity: geometry, a camera, a jet, a cannon, an explosion or a HUD item.
// The nodes of an Identity form a list in file order (`next`, which owns them); `firstChild` and
// `sibling` are non-owning links of the part tree.
struct SceneNode {
  SceneNode() = default;
  SceneNode(const SceneNode&) = delete;
  SceneNode& operator=(const SceneNode&) = delete;
  ~SceneNode();

  std::string name;
  std::string kind;  // the section keyword: "QUAD", "JET", "CAMERA", "HUDSTRING", ...
  std::unique_ptr<Shape> shape;
  std::shared_ptr<SoundRef> sound;  // jets, cannons and explosions
  std::unique_ptr<Pose> pose;       // world-space frame of the node
  std::unique_ptr<BodyState> body;
  std::vector<Vertex> vertices;
  std::unique_ptr<JetThrottle> throttle;
  std::vector<ParamCell> params;  // at most three cells
  std::int16_t active = 0;
  std::int16_t hits = 0;  // damage received, not yet moved into the Identity's damage
  SceneNode* firstChild = nullptr;
  std::int16_t childCount = 0;
  std::int16_t pendingCount = 0;
  std::int32_t dirty = 0;  // 1 when the pose changed since derived data was last built
  SceneNode* sibling = nullptr;
  std::unique_ptr<SceneNode> next;
  // The faces shots are tested against, in the node's own frame; built the first time the node
  // collides (a scene node's shape does not change while it flies; a reload makes new nodes).
  std::unique_ptr<CollisionShape> collisionShape;
};

// The parameter in slot 0-8, or null when the node has no cell holding it.
float* paramSlot(SceneNode& node, int slot);
const float* paramSlot(const SceneNode& node, int slot);

// The parameter in slot 0-8, creating the missing cells up to it, zero-filled.
float& writableParamSlot(SceneNode& node, int slot);

}  // namespace vev
