#pragma once

#include <functional>

#include "app/view_state.h"

namespace vev {

// One frame, exactly as the window paints it: clear, camera, rebuild of the polygons, flight
// dynamics with collisions, drawing, then `present` (the buffer swap), the free-camera keys, the
// controls and node step, and the sweep of spent Identities. The simulation advances by one
// fixed step, whatever the time since the last frame. Needs a current GL context.
void runFrame(ViewState& view, const std::function<void()>& present);

// The drawing of a frame without the simulation: clear, camera, rebuild and draw. Explosion
// clocks and the kinds rebuilt every frame still advance, so stills of effects can be taken.
void drawStillFrame(ViewState& view);

}  // namespace vev
