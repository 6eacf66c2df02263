#pragma once

#include <functional>

#include "model/keys.h"
#include "model/model_state.h"
#include "render/line_segments.h"

namespace vev {

// How long the stages of one step took, when a benchmark asks.
struct StepTimings {
  double controlsMs = 0.0;
  double sweepMs = 0.0;
  double collisionsMs = 0.0;  // building the collision world and testing paths
  double dynamicsMs = 0.0;    // the rest of the dynamics
};

// What a step may tell besides the state it leaves.
struct StepReport {
  DebugLines* collisionLines = nullptr;  // every collision test vector, for the collision view
  StepTimings* timings = nullptr;
};

// The pilot of the computer-flown craft, pressing their keys once per step.
using PilotTurn = std::function<void(ModelState&)>;

// Advances the model by one fixed step from one frame's inputs: the player's `keys` (the
// joystick already folded in) go to the controlled Identity and `secondKeys` to the second
// player's, then the controls, the sweep of
// spent Identities, the pilot's turn, the explosion clocks and the flight dynamics with the
// collision tests, in that order. Needs no GL and no camera: the same inputs give the same bits
// whatever is drawn. The controlled Identity is the first one when none is.
void stepSimulation(ModelState& model, const KeyStates& keys, const PilotTurn& pilot,
                    const StepReport& report = {}, const KeyStates& secondKeys = {});

}  // namespace vev
