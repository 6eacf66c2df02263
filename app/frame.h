#pragma once

#include <array>
#include <cstddef>
#include <functional>

#include "app/frame_inputs.h"
#include "app/view_state.h"

namespace vev {

// The stages of a frame that a benchmark times: the whole simulation step and its parts, the
// view's rebuild of what it draws, the drawing, and the benchmark's own raw draw.
enum class FrameStage { step, controls, sweep, collisions, dynamics, rebuild, draw, rawDraw };
inline constexpr std::size_t kFrameStageCount = 8;

// How long one frame took, stage by stage, and how much it drew.
struct FrameTimings {
  // Asked for: replay the draw list after the draw stage through the plainest immediate-mode loop
  // (see drawRawPolygons) and present it again, timed as the raw draw.
  bool withRawDraw = false;
  std::array<double, kFrameStageCount> stageMs{};
  double frameMs = 0.0;
  std::size_t polygons = 0;  // in the draw list
};

// The simulation's part of a frame and what the view takes from it: one step of the game from
// `inputs` (see stepGame), then the view's own keys (free camera, the active camera's
// channels) and the sounds, heard from the camera. Needs no GL context, unless a restart is
// among the commands (the texture objects are released).
void stepFrame(ViewState& view, const FrameInputs& inputs, FrameTimings* timings = nullptr);

// The picture of the latest state: clear, camera, HUD and control panel, the polygons rebuilt as
// the camera sees them, the collision test vectors when shown, then `present` (the buffer swap).
// Changes nothing the simulation reads. Needs a current GL context.
void drawFrame(ViewState& view, const std::function<void()>& present,
               FrameTimings* timings = nullptr);

// One whole frame, as the headless runner and the benchmark run it: stepFrame, then drawFrame.
// `timings`, when given, is filled with the frame's clock readings; nothing else reads a clock.
void runFrame(ViewState& view, const FrameInputs& inputs, const std::function<void()>& present,
              FrameTimings* timings = nullptr);

// The drawing of a frame without the simulation, for stills of effects: the explosion clocks
// still advance.
void drawStillFrame(ViewState& view);

}  // namespace vev
