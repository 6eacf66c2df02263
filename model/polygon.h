#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/inline_vector.h"
#include "model/vector3.h"

namespace vev {

struct SceneNode;

// A corner of a drawable face, in world space, with its final (already lit) colour.
struct PolygonVertex {
  Vec3 position{};
  Vec3 normal{};
  std::array<float, 4> colour{};  // RGBA, 0 to 1
  float u = 0.0f;
  float v = 0.0f;
};

// One drawable face in world space, built from a node every frame its node is dirty.
struct Polygon {
  InlineVector<PolygonVertex, 4> vertices;  // in drawing order
  int outline = 0;                          // always drawn as a closed line loop
  int blend = 0;                            // translucent
  int textured = 0;
  int smooth = 0;     // colours interpolated in smooth shading
  int visible = 0;    // recomputed every frame by the range and view tests
  int outOfView = 0;  // its Identity lay outside the view and was not rebuilt this frame
  int twoSided = 0;   // drawn and lit also when facing away
  int collision = 0;  // its node's collision shape holds it
  int lightingDone = 0;
  Vec3 normal{};                         // unit length
  const std::string* texture = nullptr;  // the owner shape's texturePath, when textured
  SceneNode* owner = nullptr;
};

// Every polygon to draw this frame, in drawing order; rebuilt each frame from the Identities'
// polygon lists.
using DrawList = std::vector<Polygon*>;

}  // namespace vev
