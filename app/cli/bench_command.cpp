#include <sys/resource.h>

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/arguments.h"
#include "app/cli/command_usage.h"
#include "app/cli/commands.h"
#include "app/cli/headless.h"
#include "app/demo_scene.h"
#include "app/frame.h"
#include "app/game_step.h"
#include "app/json_text.h"
#include "model/kinematics.h"
#include "render/offscreen/offscreen_context.h"
#include "render/viewport.h"
#include "scenefile/loader.h"
#include "sim/node_kind.h"
#include "sound/silent_sound_library.h"

namespace vev {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr std::int64_t kMaxWarmUpFrames = 50;
constexpr float kCopySpacing = 60.0f;  // metres between added craft

struct BenchOptions {
  bool demo = false;
  std::vector<std::string> files;
  std::int64_t frames = 500;
  int craft = 0;
  int shots = 0;
  std::string json;
  bool attack = false;
};

void describeOptions(ArgumentParser& parser, BenchOptions& options) {
  parser.flag("--demo", [&options] { options.demo = true; });
  parser.option("--frames", [&options](const std::string& value) {
    return parseWhole(value, 1, std::int64_t{1} << 24, options.frames);
  });
  parser.option("--craft", [&options](const std::string& value) {
    return parseWhole(value, 0, 10000, options.craft);
  });
  parser.option("--shots", [&options](const std::string& value) {
    return parseWhole(value, 0, 100000, options.shots);
  });
  parser.option("--json", [&options](const std::string& value) {
    options.json = value;
    return true;
  });
  parser.option("--pilot",
                [&options](const std::string& value) { return parsePilot(value, options.attack); });
}

std::optional<BenchOptions> parseBenchOptions(const std::vector<std::string>& args,
                                              std::string& error) {
  BenchOptions options;
  ArgumentParser parser;
  describeOptions(parser, options);
  if (!parser.parse(args, options.files, error)) return std::nullopt;
  if (options.demo == !options.files.empty()) {
    error = "give either --demo or scene files";
    return std::nullopt;
  }
  return options;
}

// Loads M more copies of the scene's craft, placed on a grid ahead of the start, where the
// pilot flies them like the others.
void addCraftCopies(ViewState& view, const std::vector<std::string>& files, int copies) {
  SceneAssets assets = view.assets({});
  for (int i = 0; i < copies; ++i) {
    if (!loadSceneFile(files[static_cast<std::size_t>(i) % files.size()], view.model, assets)) {
      continue;
    }
    const float x = kCopySpacing * static_cast<float>(2 + i % 5);
    const float y = kCopySpacing * static_cast<float>((i / 5) % 5 - 2);
    const float z = kCopySpacing * static_cast<float>(i / 25 - 2);
    translateIdentity(*lastIdentity(view.model.scene.get()), x, y, z);
  }
}

// Holds or releases the fire key of every cannon, so that about `target` shots stay in flight.
void keepShotsInFlight(ModelState& model, int target) {
  const std::int16_t hold = countShots(model) < target ? 1 : 0;
  for (Identity* it = model.scene.get(); it; it = it->next.get()) {
    if (isShot(*it)) continue;
    KeyStates& keys = it == model.controlled ? model.keyState : it->keys;
    for (SceneNode* node = it->nodes.get(); node; node = node->next.get()) {
      if (isKind(*node, "LASERCANNON") && node->body && node->body->fireKey > 0) {
        keys[node->body->fireKey] = hold;
      }
    }
  }
}

int countIdentities(const ModelState& model) {
  int count = 0;
  for (const Identity* it = model.scene.get(); it; it = it->next.get()) ++count;
  return count;
}

// The value below which `share` of the samples lie (nearest rank).
double percentile(std::vector<double> samples, double share) {
  if (samples.empty()) return 0.0;
  std::sort(samples.begin(), samples.end());
  const auto rank =
      static_cast<std::size_t>(std::ceil(share * static_cast<double>(samples.size())));
  return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

struct Samples {
  std::vector<std::vector<double>> stages = std::vector<std::vector<double>>(kFrameStageCount);
  std::vector<double> frame, polygons, identities, shots;
};

constexpr const char* kStageNames[kFrameStageCount] = {
    "step", "controls", "sweep", "collisions", "dynamics", "view rebuild", "draw", "raw draw"};

// The most memory the process has held in RAM so far, in kB.
long peakMemoryKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// The whole frame leaves out the raw draw, which is the benchmark's own addition.
void printTable(const Samples& samples, std::int64_t measured, std::int64_t warmUp) {
  std::printf("vev-scene bench: %" PRId64 " frames measured after %" PRId64
              " warm-up frames, %dx%d on OSMesa\n",
              measured, warmUp, kWidth, kHeight);
  std::printf("%-22s %10s %10s\n", "stage", "median ms", "p95 ms");
  for (std::size_t i = 0; i < kFrameStageCount; ++i) {
    std::printf("%-22s %10.3f %10.3f\n", kStageNames[i], percentile(samples.stages[i], 0.5),
                percentile(samples.stages[i], 0.95));
  }
  std::printf("%-22s %10.3f %10.3f\n", "whole frame", percentile(samples.frame, 0.5),
              percentile(samples.frame, 0.95));
  std::printf("per frame (median): %.0f polygons, %.0f identities, %.0f shots\n",
              percentile(samples.polygons, 0.5), percentile(samples.identities, 0.5),
              percentile(samples.shots, 0.5));
  std::printf("peak memory: %.1f MB\n", static_cast<double>(peakMemoryKilobytes()) / 1024.0);
}

Json stageJson(const std::vector<double>& samples) {
  return {{"median", static_cast<float>(percentile(samples, 0.5))},
          {"p95", static_cast<float>(percentile(samples, 0.95))}};
}

// The table as JSON: each stage's median and 95th percentile in ms, and the counts per frame.
bool writeJson(const std::string& path, const Samples& samples, std::int64_t measured) {
  Json stages = Json::object();
  for (std::size_t i = 0; i < kFrameStageCount; ++i)
    stages[kStageNames[i]] = stageJson(samples.stages[i]);
  stages["whole frame"] = stageJson(samples.frame);
  const Json json = {
      {"frames", measured},
      {"stages", stages},
      {"perFrame",
       {{"polygons", static_cast<std::int64_t>(percentile(samples.polygons, 0.5))},
        {"identities", static_cast<std::int64_t>(percentile(samples.identities, 0.5))},
        {"shots", static_cast<std::int64_t>(percentile(samples.shots, 0.5))}}},
      {"peakMemoryKB", static_cast<std::int64_t>(peakMemoryKilobytes())}};
  std::ofstream out(path, std::ios::binary);
  out << jsonText(json) << '\n';
  return static_cast<bool>(out);
}

}  // namespace

int runBench(const std::vector<std::string>& args) {
  if (std::find(args.begin(), args.end(), "--net") != args.end()) return runNetBench(args);
  std::string error;
  const auto options = parseBenchOptions(args, error);
  if (!options) {
    std::fprintf(stderr, "vev-scene bench: %s\n%.*s", error.c_str(),
                 static_cast<int>(kBenchUsage.size()), kBenchUsage.data());
    return 2;
  }
  auto context = OffscreenContext::create(kWidth, kHeight);
  if (!context) {
    std::fprintf(stderr, "vev-scene bench: cannot create an offscreen GL context\n");
    return 1;
  }
  if (options->demo && !demoFolderHere("bench")) return 1;
  ViewState view(std::make_unique<SilentSoundLibrary>());
  const bool loaded = loadRunScene(view, options->demo, options->files);
  addCraftCopies(view, options->demo ? demoCraftFiles() : options->files, options->craft);
  resize(view.viewport, kWidth, kHeight);
  view.settings.attack = options->attack ? 1 : 0;

  const std::int64_t warmUp = std::min(kMaxWarmUpFrames, options->frames / 5);
  Samples samples;
  for (std::int64_t frame = 1; frame <= options->frames; ++frame) {
    keepShotsInFlight(view.model, options->shots);
    FrameTimings timings;
    timings.withRawDraw = true;
    runFrame(
        view, takeFrameInputs(view), [&context] { context->finish(); }, &timings);
    if (frame <= warmUp) continue;
    for (std::size_t i = 0; i < kFrameStageCount; ++i)
      samples.stages[i].push_back(timings.stageMs[i]);
    samples.frame.push_back(timings.frameMs);
    samples.polygons.push_back(static_cast<double>(timings.polygons));
    samples.identities.push_back(countIdentities(view.model));
    samples.shots.push_back(countShots(view.model));
  }
  printTable(samples, options->frames - warmUp, warmUp);
  if (!options->json.empty() && !writeJson(options->json, samples, options->frames - warmUp)) {
    std::fprintf(stderr, "vev-scene bench: cannot write %s\n", options->json.c_str());
    return 1;
  }
  return loaded ? 0 : 1;
}

}  // namespace vev
