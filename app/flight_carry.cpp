#include "app/flight_carry.h"

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "model/kinematics.h"

namespace vev {
namespace {

// The motion that takes `from` onto `to`: a turn of its axes onto theirs, then a move of its
// position onto theirs.
RigidMotion motionOnto(const Pose& from, const Pose& to) {
  RigidMotion motion;
  const Vec3* fromAxes[] = {&from.tangent, &from.normal, &from.binormal};
  const Vec3* toAxes[] = {&to.tangent, &to.normal, &to.binormal};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      double sum = 0.0;
      for (int k = 0; k < 3; ++k) sum += double{(*toAxes[k])[i]} * double{(*fromAxes[k])[j]};
      motion.turn[i][j] = sum;
    }
  }
  for (int i = 0; i < 3; ++i) {
    double turned = 0.0;
    for (int j = 0; j < 3; ++j) turned += motion.turn[i][j] * double{from.position[j]};
    motion.shift[i] = double{to.position[i]} - turned;
  }
  motion.turns = true;
  motion.moves = true;
  return motion;
}

void copyTravel(ControlChannel& to, const ControlChannel& from) {
  to.roomUp = from.roomUp;
  to.roomDown = from.roomDown;
}

void copyTravel(BodyState& to, const BodyState& from) {
  for (int i = 0; i < 3; ++i) {
    copyTravel(to.translation[i], from.translation[i]);
    copyTravel(to.rotation[i], from.rotation[i]);
    copyTravel(to.spin[i], from.spin[i]);
  }
  copyTravel(to.rail, from.rail);
}

// Each part by its name and its place among the parts of that name.
std::map<std::pair<std::string, int>, const SceneNode*> partsByName(const Identity& identity) {
  std::map<std::pair<std::string, int>, const SceneNode*> parts;
  std::map<std::string, int> seen;
  for (const SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    parts.emplace(std::pair{node->name, seen[node->name]++}, node);
  }
  return parts;
}

void carryThrottles(const Identity& old, Identity& fresh) {
  const auto oldParts = partsByName(old);
  std::map<std::string, int> seen;
  for (SceneNode* node = fresh.nodes.get(); node; node = node->next.get()) {
    const auto found = oldParts.find({node->name, seen[node->name]++});
    if (found == oldParts.end() || node->kind != "JET" || found->second->kind != "JET") continue;
    const SceneNode& before = *found->second;
    if (before.throttle) node->throttle = std::make_unique<JetThrottle>(*before.throttle);
    if (node->body && before.body) copyTravel(*node->body, *before.body);
  }
}

}  // namespace

void carryFlight(const Identity& old, Identity& fresh) {
  const RigidMotion motion = motionOnto(fresh.pose, old.pose);
  applyMotion(motion, &fresh.pose, &fresh.body, nullptr);
  for (SceneNode* node = fresh.nodes.get(); node; node = node->next.get()) {
    applyMotion(motion, node->pose.get(), node->body.get(), node->shape.get());
    node->dirty = 1;
  }
  fresh.motion.velocity = old.motion.velocity;
  fresh.motion.angularVelocity = old.motion.angularVelocity;
  copyTravel(fresh.body, old.body);
  carryThrottles(old, fresh);
}

}  // namespace vev
