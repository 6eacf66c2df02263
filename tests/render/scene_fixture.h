#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "model/identity.h"
#include "model/pose.h"
#include "model/scene_node.h"
#include "render/build_context.h"

namespace vev::test {

// An opaque unlit shape of one colour.
inline std::unique_ptr<Shape> plainShape(float r, float g, float b, float a = 1.0f) {
  auto shape = std::make_unique<Shape>();
  shape->diffuse = {r, g, b, a};
  return shape;
}

// A node of `kind` at `position` with unit axes, a grey shape and the given parameter slots.
inline std::unique_ptr<SceneNode> makeNode(const std::string& kind,
                                           std::initializer_list<float> slots,
                                           const Vec3& position = {0.0f, 0.0f, 0.0f}) {
  auto node = std::make_unique<SceneNode>();
  node->kind = kind;
  node->pose = std::make_unique<Pose>(unitPose(position));
  node->pose->collision = 1;
  node->shape = plainShape(0.5f, 0.5f, 0.5f);
  node->active = 1;
  node->dirty = 1;
  int slot = 0;
  for (const float value : slots) writableParamSlot(*node, slot++) = value;
  return node;
}

inline void setVertices(SceneNode& node, std::initializer_list<Vec3> points) {
  node.vertices.clear();
  for (const Vec3& p : points) node.vertices.push_back({p[0], p[1], p[2]});
}

// Appends a node at the end of the Identity's node list; returns it.
inline SceneNode& addNode(Identity& identity, std::unique_ptr<SceneNode> node) {
  std::unique_ptr<SceneNode>* link = &identity.nodes;
  while (*link) link = &(*link)->next;
  *link = std::move(node);
  return **link;
}

// A camera at `position` looking along +x.
inline Pose cameraAt(const Vec3& position) {
  Pose camera = unitPose(position);
  camera.zoom = 45.0f;
  return camera;
}

inline BuildContext contextFor(const Pose& camera, char shading = 's', int simpleShapes = 0) {
  BuildContext context{camera, {0.0f, 0.0f, -1.0f}, 0.04f, RenderSettings{}};
  context.settings.shading = shading;
  context.settings.simpleShapes = simpleShapes;
  return context;
}

}  // namespace vev::test
