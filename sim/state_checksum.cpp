#include "sim/state_checksum.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "sim/node_kind.h"

namespace vev {
namespace {

class Hash {
 public:
  std::uint64_t value() const { return value_; }

  void bytes(const void* data, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
      value_ ^= p[i];
      value_ *= 0x100000001b3ULL;
    }
  }
  void integer(std::int64_t v) { bytes(&v, sizeof v); }
  void real(float v) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    bytes(&bits, sizeof bits);
  }
  void vector(const Vec3& v) {
    for (const float c : v) real(c);
  }
  void text(std::string_view s) {
    integer(static_cast<std::int64_t>(s.size()));
    bytes(s.data(), s.size());
  }

 private:
  std::uint64_t value_ = 0xcbf29ce484222325ULL;
};

// The place of `identity` in the list, or -1.
std::int64_t placeOf(const ModelState& model, const Identity* identity) {
  std::int64_t place = 0;
  for (const Identity* it = model.scene.get(); it; it = it->next.get(), ++place) {
    if (it == identity) return place;
  }
  return -1;
}

void addPose(Hash& hash, const Pose& pose) {
  hash.vector(pose.position);
  hash.vector(pose.tangent);
  hash.vector(pose.normal);
  hash.vector(pose.binormal);
  hash.integer(pose.collision);
}

void addChannel(Hash& hash, const ControlChannel& channel) {
  hash.real(channel.roomUp);
  hash.real(channel.roomDown);
}

void addBody(Hash& hash, const BodyState& body) {
  for (const auto* group : {&body.translation, &body.rotation, &body.spin}) {
    for (const ControlChannel& channel : *group) addChannel(hash, channel);
  }
  addChannel(hash, body.rail);
  hash.vector(body.pivot);
  hash.integer(body.activateArmed);
  hash.integer(body.toggleState);
  hash.integer(body.fireState);
  hash.real(body.activateTimer);
  hash.integer(body.fireTimer);
  for (const std::int32_t held : body.targetKeyHeldMs) hash.integer(held);
}

void addNode(Hash& hash, const SceneNode& node) {
  hash.text(node.kind);
  hash.integer(node.active);
  hash.integer(node.hits);
  if (node.pose) addPose(hash, *node.pose);
  for (const ParamCell& cell : node.params) {
    for (const float value : cell) hash.real(value);
  }
  if (node.throttle) hash.real(node.throttle->level);
  if (node.body) addBody(hash, *node.body);
}

// Cameras and what hangs under them turn with the view's camera keys.
void collectViewNodes(const SceneNode& node, std::vector<const SceneNode*>& into) {
  into.push_back(&node);
  for (const SceneNode* child = node.firstChild; child; child = child->sibling) {
    collectViewNodes(*child, into);
  }
}

std::vector<const SceneNode*> viewNodesOf(const Identity& identity) {
  std::vector<const SceneNode*> nodes;
  for (const SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    if (isKind(*node, "CAMERA")) collectViewNodes(*node, nodes);
  }
  std::sort(nodes.begin(), nodes.end());
  return nodes;
}

void addIdentity(Hash& hash, const ModelState& model, const Identity& identity) {
  hash.text(identity.name);
  hash.integer(identity.alive);
  hash.integer(identity.secondPlayer ? 1 : 0);
  addPose(hash, identity.pose);
  hash.vector(identity.motion.velocity);
  hash.vector(identity.motion.angularVelocity);
  if (identity.damage) {
    hash.integer(identity.damage->taken);
    hash.integer(identity.damage->destroyed);
  }
  hash.bytes(identity.keys.data(), sizeof identity.keys);
  addBody(hash, identity.body);
  hash.integer(placeOf(model, identity.target));
  const std::vector<const SceneNode*> viewNodes = viewNodesOf(identity);
  for (const SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    if (!std::binary_search(viewNodes.begin(), viewNodes.end(), node)) addNode(hash, *node);
  }
}

}  // namespace

std::uint64_t stateChecksum(const ModelState& model) {
  Hash hash;
  std::int64_t count = 0;
  for (const Identity* it = model.scene.get(); it; it = it->next.get(), ++count) {
    addIdentity(hash, model, *it);
  }
  hash.integer(count);
  hash.integer(placeOf(model, model.controlled));
  return hash.value();
}

}  // namespace vev
