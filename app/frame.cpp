#include "app/frame.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "app/free_camera.h"
#include "app/news.h"
#include "hud/hud.h"
#include "render/renderer.h"
#include "sim/controls.h"
#include "sim/dynamics.h"
#include "sim/node_kind.h"
#include "sim/sweep.h"
#include "sound/sound_control.h"

namespace vev {
namespace {

void ensureControlled(ModelState& model) {
  if (!model.controlled) model.controlled = model.scene.get();
}

// Clear and camera, the first steps of every frame.
void beginDrawing(ViewState& view) {
  clearFrame(0, 0.0f, 0.0f, 0.0f);
  setCamera(view.viewport, *view.model.activeCamera, view.model.viewerPose);
}

// The HUD and the control panel of the controlled Identity, before the scene is rebuilt: they
// show the values the previous frame left.
void drawHudAndPanel(ViewState& view) {
  const ModelState& model = view.model;
  const HudView hudView{view.viewport.aspect, static_cast<char>(view.settings.shading),
                        &model.freeCamera};
  drawHud(model.scene.get(), model.controlled, model.activeCamera, hudView,
          view.settings.panel != 0);
  drawControlPanel(model.controlled, view.settings.idHelp != 0, model.activeCamera, hudView);
}

// The craft (not shots) destroyed so far, in list order.
std::vector<const Identity*> destroyedCraft(const ModelState& model) {
  std::vector<const Identity*> craft;
  for (const Identity* it = model.scene.get(); it; it = it->next.get()) {
    if (!isShot(*it) && isDestroyed(*it)) craft.push_back(it);
  }
  return craft;
}

void tellNewlyDestroyed(ViewState& view, const std::vector<const Identity*>& before) {
  for (const Identity* it : destroyedCraft(view.model)) {
    if (std::find(before.begin(), before.end(), it) == before.end()) {
      view.news.push_back(destroyedNews(*it));
    }
  }
}

// Reads the clock around the stages of one frame, only when timings were asked for.
class StageClock {
 public:
  using Clock = std::chrono::steady_clock;

  explicit StageClock(FrameTimings* timings) : timings_(timings) {
    if (timings_) frameStart_ = stageStart_ = Clock::now();
  }

  void start() {
    if (timings_) stageStart_ = Clock::now();
  }
  void stop(FrameStage stage) {
    if (timings_)
      timings_->stageMs[static_cast<std::size_t>(stage)] = millisecondsSince(stageStart_);
  }
  // Moves `ms` of what `from` took into `part`.
  void split(FrameStage from, FrameStage part, double ms) {
    if (!timings_) return;
    timings_->stageMs[static_cast<std::size_t>(from)] -= ms;
    timings_->stageMs[static_cast<std::size_t>(part)] = ms;
  }
  void finish(std::size_t polygons) {
    if (!timings_) return;
    // The raw draw is the benchmark's addition, not part of the frame.
    timings_->frameMs = millisecondsSince(frameStart_) -
                        timings_->stageMs[static_cast<std::size_t>(FrameStage::rawDraw)];
    timings_->polygons = polygons;
  }

 private:
  static double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  }

  FrameTimings* timings_;
  Clock::time_point frameStart_;
  Clock::time_point stageStart_;
};

}  // namespace

void runFrame(ViewState& view, const std::function<void()>& present, FrameTimings* timings) {
  StageClock clock(timings);
  ModelState& model = view.model;
  const RenderSettings render = view.settings.renderSettings();
  model.frameReady = 0;
  ensureControlled(model);

  beginDrawing(view);
  drawHudAndPanel(view);
  clock.start();
  DrawList drawList = rebuildPolygons(model, render);
  clock.stop(FrameStage::rebuild);
  view.collisionLines.clear();
  const std::vector<const Identity*> destroyedBefore = destroyedCraft(model);
  clock.start();
  double collisionMs = 0.0;
  stepDynamics(model, drawList, view.settings.collisionDebug ? &view.collisionLines : nullptr,
               timings ? &collisionMs : nullptr);
  clock.stop(FrameStage::dynamics);
  clock.split(FrameStage::dynamics, FrameStage::collisions, collisionMs);
  tellNewlyDestroyed(view, destroyedBefore);
  clock.start();
  drawPolygonList(drawList, *model.viewerPose, view.textureCache, view.textures, render);
  drawLineSegments(view.collisionLines);
  if (present) present();
  clock.stop(FrameStage::draw);
  if (timings && timings->withRawDraw) {
    clock.start();
    drawRawPolygons(drawList, view.textureCache, view.textures, render);
    if (present) present();
    clock.stop(FrameStage::rawDraw);
  }
  resetCurrentMatrix();

  ensureControlled(model);
  clock.start();
  applyFreeCameraKeys(model);
  stepControls(model, view.joystick, view.settings.joystickEnabled);
  clock.stop(FrameStage::controls);
  const Pose& listener = model.viewerPose ? *model.viewerPose : model.freeCamera;
  updateSounds(view.sounds, model.scene.get(), listener,
               SoundMix{.enabled = view.settings.soundEnabled == 1});
  const Identity* controlledBefore = model.controlled;
  clock.start();
  sweepSpent(model);
  clock.stop(FrameStage::sweep);
  if (model.controlled && model.controlled != controlledBefore) {
    view.news.push_back(controllingNews(*model.controlled));
  }
  model.frameReady = 1;
  clock.finish(drawList.size());
}

void drawHeldFrame(ViewState& view) {
  const RenderSettings render = view.settings.renderSettings();
  ensureControlled(view.model);
  beginDrawing(view);
  drawHudAndPanel(view);
  DrawList drawList;
  for (Identity* it = view.model.scene.get(); it; it = it->next.get()) {
    for (Polygon& polygon : it->polygons) drawList.push_back(&polygon);
  }
  drawPolygonList(drawList, *view.model.viewerPose, view.textureCache, view.textures, render);
  resetCurrentMatrix();
}

bool tickView(ViewState& view) {
  view.pilot.attack = view.settings.attack != 0;
  return tick(view.model, view.pilot);
}

void drawStillFrame(ViewState& view) {
  const RenderSettings render = view.settings.renderSettings();
  ensureControlled(view.model);
  beginDrawing(view);
  drawHudAndPanel(view);
  DrawList drawList = rebuildPolygons(view.model, render);
  drawPolygonList(drawList, *view.model.viewerPose, view.textureCache, view.textures, render);
  resetCurrentMatrix();
}

}  // namespace vev
