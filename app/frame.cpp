#include "app/frame.h"

#include "app/free_camera.h"
#include "render/renderer.h"
#include "sim/controls.h"
#include "sim/dynamics.h"
#include "sim/sweep.h"

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

}  // namespace

void runFrame(ViewState& view, const std::function<void()>& present) {
  ModelState& model = view.model;
  const RenderSettings render = view.settings.renderSettings();
  model.frameReady = 0;
  ensureControlled(model);

  beginDrawing(view);
  DrawList drawList = rebuildPolygons(model, render);
  view.collisionLines.clear();
  stepDynamics(model, drawList, view.settings.collisionDebug ? &view.collisionLines : nullptr);
  drawPolygonList(drawList, *model.viewerPose, view.textures, render);
  drawLineSegments(view.collisionLines);
  resetCurrentMatrix();
  if (present) present();

  ensureControlled(model);
  applyFreeCameraKeys(model);
  stepControls(model, view.joystick, view.settings.joystickEnabled);
  sweepSpent(model);
  model.frameReady = 1;
}

void drawStillFrame(ViewState& view) {
  const RenderSettings render = view.settings.renderSettings();
  ensureControlled(view.model);
  beginDrawing(view);
  DrawList drawList = rebuildPolygons(view.model, render);
  drawPolygonList(drawList, *view.model.viewerPose, view.textures, render);
  resetCurrentMatrix();
}

}  // namespace vev
