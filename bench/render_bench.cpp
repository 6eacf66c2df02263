// Times one frame's polygon rebuild and drawing over a fleet of craft that carry every shape
// kind, drawn offscreen at 800 x 600, and counts the polygons and vertices of a frame.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/scene_files.h"
#include "model/kinematics.h"
#include "render/offscreen/offscreen_context.h"
#include "render/renderer.h"
#include "sound/silent_sound_library.h"

namespace vev {
namespace {

constexpr int kCraft = 6;
const std::string kCraftFile = std::string(VEV_SOURCE_DIR) + "/tests/data/render/fleet-craft.zsf";

// Six craft spread out ahead of the free camera, engines at half throttle.
std::unique_ptr<ViewState> loadFleet() {
  auto scene = std::make_unique<ViewState>(std::make_unique<SilentSoundLibrary>());
  for (int i = 0; i < kCraft; ++i) {
    if (!loadSceneFiles(*scene, {kCraftFile})) return nullptr;
    translateIdentity(*lastIdentity(scene->model.scene.get()), 15.0f + 8.0f * i,
                      static_cast<float>(i % 3) * 3.0f - 3.0f,
                      static_cast<float>(i % 2) * 6.0f - 3.0f);
  }
  for (Identity* craft = scene->model.scene.get(); craft; craft = craft->next.get()) {
    for (SceneNode* node = craft->nodes.get(); node; node = node->next.get()) {
      if (node->kind == "JET") node->throttle = std::make_unique<JetThrottle>(JetThrottle{0.5f});
    }
  }
  return scene;
}

// Keeps every explosion running, and with `moving` marks every node moved, as flying craft are.
void prepareFrame(ModelState& model, bool moving) {
  for (Identity* craft = model.scene.get(); craft; craft = craft->next.get()) {
    for (SceneNode* node = craft->nodes.get(); node; node = node->next.get()) {
      if (moving) node->dirty = 1;
      if (node->kind == "EXPLOSION" && !node->params.empty() && node->params[0][0] == 0.0f) {
        node->params[0][0] = 0.04f;
      }
    }
  }
}

void countPerFrame(benchmark::State& state, const DrawList& drawList) {
  std::size_t vertices = 0;
  for (const Polygon* polygon : drawList) vertices += polygon->vertices.size();
  state.counters["polygons"] = static_cast<double>(drawList.size());
  state.counters["vertices"] = static_cast<double>(vertices);
}

// `moving`: every node moved this frame, as in flight; otherwise only the kinds that follow the
// camera are rebuilt.
void BM_RebuildPolygons(benchmark::State& state, bool moving) {
  auto scene = loadFleet();
  if (!scene) {
    state.SkipWithError("cannot load the craft file");
    return;
  }
  const RenderSettings settings;
  DrawList drawList;
  for (auto _ : state) {
    prepareFrame(scene->model, moving);
    drawList = rebuildPolygons(scene->model, settings);
    benchmark::DoNotOptimize(drawList.data());
  }
  countPerFrame(state, drawList);
}
BENCHMARK_CAPTURE(BM_RebuildPolygons, still, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RebuildPolygons, moving, true)->Unit(benchmark::kMicrosecond);

void BM_DrawPolygonList(benchmark::State& state, char shading) {
  auto scene = loadFleet();
  auto context = OffscreenContext::create(800, 600);
  if (!scene || !context) {
    state.SkipWithError("cannot load the craft file or create the offscreen context");
    return;
  }
  RenderSettings settings;
  settings.shading = shading;
  Viewport viewport;
  resize(viewport, 800, 600);
  ModelState& model = scene->model;
  prepareFrame(model, true);
  DrawList drawList = rebuildPolygons(model, settings);
  TextureCache cache;
  for (auto _ : state) {
    clearFrame(0, 0.0f, 0.0f, 0.0f);
    setCamera(viewport, *model.activeCamera, model.viewerPose);
    drawPolygonList(drawList, ViewVolume(*model.viewerPose, viewport.aspect), cache,
                    scene->textures, settings);
    glFinish();
  }
  countPerFrame(state, drawList);
}
BENCHMARK_CAPTURE(BM_DrawPolygonList, smooth, 's')->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawPolygonList, flat, 'f')->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawPolygonList, wireframe, 'w')->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vev

BENCHMARK_MAIN();
