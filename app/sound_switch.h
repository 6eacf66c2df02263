#pragma once

#include "app/view_state.h"

namespace vev {

// Sound off: `soundEnabled` cleared and every running jet loop silenced; one-shot sounds end on
// their own.
void soundOff(ViewState& view);

// Sound on: `soundEnabled` set; the loops return at their computed volume on the next frame.
void soundOn(ViewState& view);

// The end of sound for the run: every registered sound stopped, then the library closed.
void closeSound(ViewState& view);

}  // namespace vev
