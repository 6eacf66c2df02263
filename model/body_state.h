#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "model/keys.h"
#include "model/sound_ref.h"
#include "model/vector3.h"

namespace vev {

// One key-driven control. roomUp is the travel left when increasing (positive), roomDown the
// travel left when decreasing (zero or negative); a step is refused when it would use up the
// room, unless `unlimited` is 1.
struct ControlChannel {
  KeyCode increaseKey = 0;
  KeyCode decreaseKey = 0;
  float rate = 0.0f;  // units or degrees per second
  float roomUp = 0.0f;
  float roomDown = 0.0f;
  std::int16_t unlimited = 0;
};

// A channel that moves along its own direction.
struct RailChannel : ControlChannel {
  Vec3 direction{0.0f, 0.0f, 0.0f};
};

// Control channels of an Identity or of one node; index 0, 1, 2 of a group is x, y, z.
struct BodyState {
  std::array<ControlChannel, 3> translation{};
  std::array<ControlChannel, 3> rotation{};  // rates in degrees per second
  Vec3 pivot{0.0f, 0.0f, 0.0f};              // world point that rotations turn about
  std::array<ControlChannel, 3> spin{};
  RailChannel rail{};
  // Switches.
  std::int16_t activateArmed = 0;
  std::int16_t toggleState = 0;
  std::int16_t fireState = 0;
  KeyCode activateKey = 0;
  KeyCode toggleKey = 0;
  KeyCode fireKey = 0;  // the fire key of a cannon, the detonate key of an explosion
  // Timers and derived keys.
  float activateTimer = 0.0f;  // seconds
  KeyCode toggleKeyA = 0;      // held while the toggle is on
  std::int32_t fireTimer = 0;
  float activateDelay = 0.0f;  // seconds
  KeyCode toggleKeyB = 0;      // held while the toggle is off
  float fireDuration = 0.0f;
  // Keys pressed by the joystick: pulled back, pushed forward, left, right.
  std::array<KeyCode, 4> joyKeys{};
  std::shared_ptr<SoundRef> sound;  // played by `playKey`
  KeyCode previousTargetKey = 0;
  KeyCode nextTargetKey = 0;
  KeyCode nearestTargetKey = 0;
  // How long each target key (previous, next, nearest) has been held, in milliseconds; -1 while
  // it is up. A press steps once, and a held key repeats.
  std::array<std::int32_t, 3> targetKeyHeldMs{-1, -1, -1};
  KeyCode playKey = 0;
  KeyCode secondKey = 0;
};

}  // namespace vev
