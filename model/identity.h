#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/body_state.h"
#include "model/keys.h"
#include "model/polygon.h"
#include "model/pose.h"
#include "model/scene_node.h"
#include "model/sound_ref.h"
#include "model/vector3.h"

namespace vev {

struct DamageState {
  std::int16_t strength = 0;  // destroyed as soon as `taken` exceeds it
  std::int16_t power = 0;     // damage this Identity's shots inflict
  std::int16_t taken = 0;
  std::int32_t destroyed = 0;
  std::int16_t triggerKey = 0;  // set in the Identity's own keys on destruction
  std::int16_t removal = 0;     // 0: unlinked when destroyed; 1: stays as a wreck
  std::int16_t hitFlash = 0;    // steps left of the moment that shows a hit on the HUD
};

struct MotionState {
  Vec3 velocity{};         // metres per second
  Vec3 angularVelocity{};  // degrees per second about the world axes
  Vec3 force{};            // accumulated by the jets each frame
  Vec3 torque{};
  float mass = 1000.0f;
  Vec3 inertia{1000.0f, 1000.0f, 1000.0f};
};

// Damping matrices, row by row, applied in the Identity's own axes.
struct AeroCoefficients {
  std::array<float, 9> cvv{};
  std::array<float, 9> cmm{};
};

// Where a shot was fired from and how far it may travel before it is removed.
struct ShotOrigin {
  Vec3 origin{};
  float range = 0.0f;  // metres
};

// A craft, a shot ("AMMO"), an explosion scene or any other object of the scene. The scene is a
// list of Identities linked by `next`, which owns the following Identity.
struct Identity {
  Identity();
  Identity(const Identity&) = delete;
  Identity& operator=(const Identity&) = delete;
  ~Identity();

  std::string name;
  std::string directory;   // of its scene file, up to and including the last separator
  std::string sourcePath;  // the scene file it was loaded from, as it was named; empty if none
  std::int16_t alive = 1;
  KeyStates keys{};
  std::unique_ptr<DamageState> damage;
  std::shared_ptr<SoundRef> sound;
  Pose pose;
  std::unique_ptr<AeroCoefficients> aero;
  MotionState motion;
  BodyState body;
  std::unique_ptr<SceneNode> nodes;  // first node in file order
  std::unique_ptr<ShotOrigin> shotOrigin;
  std::vector<Polygon> polygons;  // faces built from the nodes, rebuilt by the renderer
  float drawnReach = -1.0f;       // how far the faces reach from `pose`; -1 before they are built
  Identity* target = nullptr;
  std::unique_ptr<Identity> next;
  std::string hudName;   // call sign
  std::string hudName2;  // pilot
  std::string hudName3;  // team
  // Flown by the second player of a two-player game: its keys come from that player, and no
  // pilot flies it.
  bool secondPlayer = false;
};

// A new Identity at the origin with unit axes, mass and inertia 1000, alive, not linked.
std::unique_ptr<Identity> newIdentity();

Identity* lastIdentity(Identity* head);
// `current.next`, wrapping to `head` after the last; `head` when either is null.
Identity* nextIdentity(Identity* current, Identity* head);
// The Identity before `current`, wrapping to the last before `head`; null for an empty list.
Identity* previousIdentity(Identity* current, Identity* head);

// Links `identity` at the end of the list owned by `head`; returns it.
Identity& appendIdentity(std::unique_ptr<Identity>& head, std::unique_ptr<Identity> identity);
// Links `identity` directly after `before`; returns it.
Identity& insertIdentityAfter(Identity& before, std::unique_ptr<Identity> identity);
// Unlinks `identity` from the list owned by `head` and releases it; returns the Identity that
// followed it. When it is the head, the second Identity becomes the head.
Identity* removeIdentity(Identity* identity, std::unique_ptr<Identity>& head);

}  // namespace vev
