#pragma once

#include "app/frame_inputs.h"
#include "app/view_state.h"
#include "sim/step.h"

namespace vev {

// The inputs of the frame about to be stepped: the player's key table, with the keys pressed and
// released since the last step as held, and with the joystick folded in (while the controlled craft
// is alive), the commands queued since the last step, and a pilot command when the settings ask for
// another pilot than the one flying.
FrameInputs takeFrameInputs(ViewState& view);

// Applies one command to the game: restart the demonstration (the second player keeping a
// craft), control the next or previous Identity, add a scene file, change the pilot, or let a
// second player take or leave a craft. What the player should hear of it goes to the
// view's news.
void applyGameCommand(ViewState& view, const GameCommand& command);

// One step of the game: the frame's commands, then the simulation step with the pilot, then the
// news of craft destroyed and of a new controlled Identity.
void stepGame(ViewState& view, const FrameInputs& inputs, const StepReport& report = {});

}  // namespace vev
