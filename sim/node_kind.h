#pragma once

#include <string_view>

#include "model/identity.h"
#include "model/scene_node.h"
#include "model/text.h"

namespace vev {

inline bool isKind(const SceneNode& node, std::string_view kind) {
  return sameText(node.kind, kind) == 0;
}

// Shots are the Identities named "AMMO".
inline bool isShot(const Identity& identity) {
  return sameText(identity.name, "AMMO") == 0;
}

inline bool isDestroyed(const Identity& identity) {
  return identity.damage && identity.damage->destroyed != 0;
}

}  // namespace vev
