#include "app/flight_carry.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/kinematics.h"
#include "sim/channel_travel.h"

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

// The part of `old` that each part of `fresh` stands for: the one of the same name and kind, at
// the same place among the parts of that name.
std::map<const SceneNode*, const SceneNode*> counterparts(const Identity& old,
                                                          const Identity& fresh) {
  const auto oldParts = partsByName(old);
  std::map<const SceneNode*, const SceneNode*> matched;
  for (const auto& [key, node] : partsByName(fresh)) {
    const auto found = oldParts.find(key);
    if (found != oldParts.end() && found->second->kind == node->kind) {
      matched.emplace(node, found->second);
    }
  }
  return matched;
}

std::string partName(const SceneNode& node) {
  return node.name.empty() ? "a " + node.kind + " with no name" : node.name;
}

constexpr const char* kChannelKeywords[] = {"controltx", "controlty", "controltz",
                                            "controlrx", "controlry", "controlrz",
                                            "controlox", "controloy", "controloz"};

// The keyed channels of `before` that `after` has no keys for.
void addDroppedChannels(const SceneNode& after, const SceneNode& before,
                        std::vector<std::string>& dropped) {
  if (!before.body) return;
  const BodyState empty;
  const BodyState& now = after.body ? *after.body : empty;
  const ControlChannel* channels[] = {&now.translation[0], &now.translation[1], &now.translation[2],
                                      &now.rotation[0],    &now.rotation[1],    &now.rotation[2],
                                      &now.spin[0],        &now.spin[1],        &now.spin[2]};
  const BodyState& was = *before.body;
  const ControlChannel* earlier[] = {&was.translation[0], &was.translation[1], &was.translation[2],
                                     &was.rotation[0],    &was.rotation[1],    &was.rotation[2],
                                     &was.spin[0],        &was.spin[1],        &was.spin[2]};
  for (int i = 0; i < 9; ++i) {
    if (hasKeys(*earlier[i]) && !hasKeys(*channels[i])) {
      dropped.push_back("the " + std::string(kChannelKeywords[i]) + " of " + partName(before));
    }
  }
  if (hasKeys(was.rail) && !hasKeys(now.rail)) {
    dropped.push_back("the controlcarril of " + partName(before));
  }
}

std::vector<std::string> droppedParts(const Identity& old,
                                      const std::map<const SceneNode*, const SceneNode*>& matched) {
  std::set<const SceneNode*> kept;
  for (const auto& [after, before] : matched) {
    kept.insert(before);
  }
  std::vector<std::string> dropped;
  for (const SceneNode* node = old.nodes.get(); node; node = node->next.get()) {
    if (!kept.contains(node)) dropped.push_back(partName(*node));
  }
  for (const auto& [after, before] : matched) {
    addDroppedChannels(*after, *before, dropped);
  }
  return dropped;
}

}  // namespace

void turnAndMoveOnto(Identity& identity, const Pose& onto) {
  const RigidMotion motion = motionOnto(identity.pose, onto);
  applyMotion(motion, &identity.pose, &identity.body, nullptr);
  for (SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    applyMotion(motion, node->pose.get(), node->body.get(), node->shape.get());
    node->dirty = 1;
  }
}

std::vector<std::string> carryFlight(const Identity& old, Identity& fresh) {
  turnAndMoveOnto(fresh, old.pose);
  fresh.motion.velocity = old.motion.velocity;
  fresh.motion.angularVelocity = old.motion.angularVelocity;
  copyTravel(fresh.body, old.body);
  const auto matched = counterparts(old, fresh);
  takeChannelTravel(fresh, [&](const SceneNode& node) -> const SceneNode* {
    const auto found = matched.find(&node);
    return found == matched.end() ? nullptr : found->second;
  });
  return droppedParts(old, matched);
}

}  // namespace vev
