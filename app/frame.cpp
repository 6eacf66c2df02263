#include "app/frame.h"

#include <chrono>

#include "app/free_camera.h"
#include "app/game_step.h"
#include "hud/hud.h"
#include "hud/view_messages.h"
#include "render/renderer.h"
#include "sim/explosion_clocks.h"
#include "sim/node_control.h"
#include "sim/node_kind.h"
#include "sound/sound_control.h"

namespace vev {
namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double& stageMs(FrameTimings& timings, FrameStage stage) {
  return timings.stageMs[static_cast<std::size_t>(stage)];
}

// Clear and camera, the first steps of every picture.
void beginDrawing(ViewState& view) {
  if (!view.model.controlled) view.model.controlled = view.model.scene.get();
  clearFrame(0, 0.0f, 0.0f, 0.0f);
  setCamera(view.viewport, *view.model.activeCamera, view.model.viewerPose);
}

// The HUD and the control panel of the player's craft.
void drawHudAndPanel(ViewState& view) {
  const ModelState& model = view.model;
  const HudView hudView{view.viewport.aspect, static_cast<char>(view.settings.shading),
                        &model.freeCamera};
  const Identity* craft = playersCraft(view);
  drawHud(model.scene.get(), craft, model.activeCamera, hudView, view.settings.panel != 0);
  drawControlPanel(craft, view.settings.idHelp != 0, model.activeCamera, hudView);
  if (craft && isDestroyed(*craft)) {
    drawDestroyedBanner(model.activeCamera, hudView);
  }
  drawViewMessages(shownTexts(view.shownMessages), model.activeCamera, hudView);
}

void copyStepTimings(FrameTimings& timings, const StepTimings& step, double stepMs) {
  stageMs(timings, FrameStage::step) = stepMs;
  stageMs(timings, FrameStage::controls) = step.controlsMs;
  stageMs(timings, FrameStage::sweep) = step.sweepMs;
  stageMs(timings, FrameStage::collisions) = step.collisionsMs;
  stageMs(timings, FrameStage::dynamics) = step.dynamicsMs;
}

}  // namespace

void stepFrame(ViewState& view, const FrameInputs& inputs, FrameTimings* timings) {
  StepTimings stepTimings;
  view.collisionLines.clear();
  const StepReport report{view.settings.collisionDebug ? &view.collisionLines : nullptr,
                          timings ? &stepTimings : nullptr};
  const Clock::time_point start = Clock::now();
  stepGame(view, inputs, report);
  ageShownMessages(view.shownMessages);
  if (timings) copyStepTimings(*timings, stepTimings, millisecondsSince(start));
  applyFreeCameraKeys(view.model);
  stepCameraChannels(view.model);
  const Pose& listener = view.model.viewerPose ? *view.model.viewerPose : view.model.freeCamera;
  updateSounds(view.sounds, view.model.scene.get(), listener,
               SoundMix{.enabled = view.settings.soundEnabled == 1});
}

void drawFrame(ViewState& view, const std::function<void()>& present, FrameTimings* timings) {
  const RenderSettings render = view.settings.renderSettings();
  beginDrawing(view);
  drawHudAndPanel(view);
  Clock::time_point start = Clock::now();
  const ViewVolume volume(*view.model.viewerPose, view.viewport.aspect);
  DrawList drawList = rebuildPolygons(view.model, render, &volume);
  if (timings) stageMs(*timings, FrameStage::rebuild) = millisecondsSince(start);
  start = Clock::now();
  drawPolygonList(drawList, volume, view.textureCache, view.textures, render);
  drawLineSegments(view.collisionLines);
  if (present) present();
  if (timings) stageMs(*timings, FrameStage::draw) = millisecondsSince(start);
  if (timings && timings->withRawDraw) {
    start = Clock::now();
    drawRawPolygons(drawList, view.textureCache, view.textures, render);
    if (present) present();
    stageMs(*timings, FrameStage::rawDraw) = millisecondsSince(start);
  }
  resetCurrentMatrix();
  if (timings) timings->polygons = drawList.size();
}

void runFrame(ViewState& view, const FrameInputs& inputs, const std::function<void()>& present,
              FrameTimings* timings) {
  const Clock::time_point start = Clock::now();
  stepFrame(view, inputs, timings);
  drawFrame(view, present, timings);
  // The raw draw is the benchmark's addition, not part of the frame.
  if (timings) timings->frameMs = millisecondsSince(start) - stageMs(*timings, FrameStage::rawDraw);
}

void drawStillFrame(ViewState& view) {
  advanceExplosionClocks(view.model);
  drawFrame(view, {});
}

}  // namespace vev
