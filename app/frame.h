#pragma once

#include <array>
#include <cstddef>
#include <functional>

#include "app/view_state.h"

namespace vev {

// The stages of a frame that a benchmark times. Collisions are timed apart from the rest of the
// dynamics they run within; the raw draw is the benchmark's own replay of the draw list.
enum class FrameStage { rebuild, dynamics, collisions, draw, rawDraw, controls, sweep };
inline constexpr std::size_t kFrameStageCount = 7;

// How long one frame took, stage by stage, and how much it drew.
struct FrameTimings {
  // Asked for: replay the draw list after the draw stage through the plainest immediate-mode loop
  // (see drawRawPolygons) and present it again, timed as the raw draw.
  bool withRawDraw = false;
  std::array<double, kFrameStageCount> stageMs{};
  double frameMs = 0.0;
  std::size_t polygons = 0;  // in the draw list
};

// One frame, exactly as the window paints it: clear, camera, HUD and control panel, rebuild of the
// polygons, flight dynamics with collisions, drawing, then `present` (the buffer swap), the
// free-camera keys, the controls and node step, the sound control heard from the camera, and the
// sweep of spent Identities. The simulation advances by one fixed step, whatever the time since the
// last frame. Needs a current GL context. `timings`, when given, is filled with the frame's clock
// readings; nothing else reads a clock.
void runFrame(ViewState& view, const std::function<void()>& present,
              FrameTimings* timings = nullptr);

// The last frame drawn again, as it was: clear, camera, HUD and control panel, and the polygons
// the last frame built, without rebuilding or simulating anything. For a paused view.
void drawHeldFrame(ViewState& view);

// One timer tick of the view: the pilot that the settings choose presses its keys (see tick).
bool tickView(ViewState& view);

// The drawing of a frame without the simulation: clear, camera, HUD and control panel, rebuild
// and draw. Explosion clocks and the kinds rebuilt every frame still advance, so stills of
// effects can be taken.
void drawStillFrame(ViewState& view);

}  // namespace vev
