#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/cli/camera_choice.h"
#include "app/cli/command_usage.h"
#include "app/cli/commands.h"
#include "app/cli/headless.h"
#include "app/cli/key_script.h"
#include "app/cli/net_run.h"
#include "app/cli/png_file.h"
#include "app/cli/run_options.h"
#include "app/demo_pilot.h"
#include "app/frame.h"
#include "app/game_step.h"
#include "app/key_state.h"
#include "app/replay_file.h"
#include "app/scene_json.h"
#include "render/offscreen/offscreen_context.h"
#include "render/viewport.h"
#include "sim/state_checksum.h"
#include "sound/openal_sound_library.h"
#include "sound/silent_sound_library.h"

namespace vev {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// Applies the script's events for `frame` to the key state, as key presses in the window do.
void applyKeyEvents(const std::vector<KeyEvent>& events, std::size_t& next, std::int64_t frame,
                    KeyStates& keyState, KeyStates& pressedSinceStep) {
  for (; next < events.size() && events[next].frame <= frame; ++next) {
    if (events[next].down) {
      keyDown(keyState, events[next].key);
      keyDown(pressedSinceStep, events[next].key);
    } else {
      keyUp(keyState, events[next].key);
    }
  }
}

std::string pictureName(const std::string& prefix, std::int64_t frame) {
  char number[32];
  std::snprintf(number, sizeof number, "%06" PRId64 ".png", frame);
  return prefix + number;
}

// The run's sound goes into the WAV file through OpenAL Soft's wave backend when one is asked
// for, and nowhere otherwise.
std::unique_ptr<SoundLibrary> runSoundLibrary(const RunOptions& options) {
  if (options.soundWav.empty()) return std::make_unique<SilentSoundLibrary>();
  OpenAlOptions output;
  output.backend = OpenAlOptions::Backend::WaveFile;
  output.wavePath = options.soundWav;
  return std::make_unique<OpenAlSoundLibrary>(std::move(output));
}

// The camera that --camera names, when it is given; false when the scene lacks it.
bool chooseRunCamera(ModelState& model, const RunOptions& options) {
  if (!options.cameraNode) return true;
  Pose* camera = chooseCamera(model, *options.cameraNode);
  if (!camera) {
    std::fprintf(stderr, "vev-scene run: the first Identity has no node %d with a pose\n",
                 *options.cameraNode);
    return false;
  }
  model.activeCamera = camera;
  return true;
}

// The replay at `path`, or nothing after saying why it cannot be played.
std::optional<Replay> openReplay(const std::string& path) {
  std::string error;
  std::optional<Replay> replay = readReplay(path, error);
  if (!replay) std::fprintf(stderr, "vev-scene run: %s: %s\n", path.c_str(), error.c_str());
  return replay;
}

// Whether the scene loaded for the replay is the one it was recorded with; says what differs.
bool sameScene(const std::string& path, const Replay& replay, const ModelState& model) {
  const std::string difference = sceneDifference(replay.files, sceneFileHashes(model, {}));
  if (difference.empty()) return true;
  std::fprintf(stderr, "vev-scene run: %s was recorded with another scene: %s\n", path.c_str(),
               difference.c_str());
  return false;
}

bool writeJson(const std::string& path, const ViewState& view, std::int64_t frame) {
  std::ofstream out(path, std::ios::binary);
  out << sceneJson(view.model, view.textures, view.sounds, frame);
  return static_cast<bool>(out);
}

}  // namespace

int runRun(const std::vector<std::string>& args) {
  std::string error;
  const auto options = parseRunOptions(args, error);
  if (!options) {
    std::fprintf(stderr, "vev-scene run: %s\n%.*s", error.c_str(),
                 static_cast<int>(kRunUsage.size()), kRunUsage.data());
    return 2;
  }
  std::vector<KeyEvent> events;
  if (!options->keyScript.empty()) {
    auto script = readKeyScript(options->keyScript, error);
    if (!script) {
      std::fprintf(stderr, "vev-scene run: %s\n", error.c_str());
      return 2;
    }
    events = std::move(*script);
  }
  auto context = OffscreenContext::create(kWidth, kHeight);
  if (!context) {
    std::fprintf(stderr, "vev-scene run: cannot create an offscreen GL context\n");
    return 1;
  }
  ViewState view(runSoundLibrary(*options));
  const bool heard = !options->soundWav.empty();
  if (heard && !view.soundTable.ready()) {
    std::fprintf(stderr, "vev-scene run: cannot write %s\n", options->soundWav.c_str());
    return 1;
  }
  std::optional<Replay> replay;
  if (!options->replayPath.empty() && !(replay = openReplay(options->replayPath))) return 1;
  const GameSetup setup =
      replay ? replay->setup : GameSetup{options->demo, options->files, options->attack};
  if (setup.demo && !demoFolderHere("run")) return 1;
  bool ok = loadRunScene(view, setup.demo, setup.addFiles);
  if (replay && !sameScene(options->replayPath, *replay, view.model)) return 1;
  if (!chooseRunCamera(view.model, *options)) return 1;
  resize(view.viewport, kWidth, kHeight);
  if (options->helpPanel) view.settings.idHelp = 1;
  view.settings.attack = setup.attack ? 1 : 0;
  ReplayRecorder recorder;
  if (!options->recordPath.empty() &&
      !recorder.open(options->recordPath, setup, sceneFileHashes(view.model, {}))) {
    std::fprintf(stderr, "vev-scene run: cannot write %s\n", options->recordPath.c_str());
    return 1;
  }
  std::optional<NetStart> net;
  if (options->net.active() && !(net = startNetGame(options->net, view, setup, error))) {
    std::fprintf(stderr, "vev-scene run: %s\n", error.c_str());
    return 1;
  }
  // As a command of the first frame, so that a recording of the run holds it.
  if (!options->flyFile.empty()) {
    view.commands.emplace_back(GameCommand::Kind::flyFile, options->flyFile);
  }
  const std::int64_t frames =
      replay ? std::min<std::int64_t>(
                   options->frames > 0 ? options->frames : std::numeric_limits<std::int64_t>::max(),
                   static_cast<std::int64_t>(replay->frames.size()))
             : options->frames;

  // The sound device plays in real time, so a run that is heard keeps the window timer's pace.
  const std::chrono::milliseconds frameStep(view.model.frameStepMs);
  auto nextTick = std::chrono::steady_clock::now();
  std::size_t nextEvent = 0;
  for (std::int64_t frame = 1; frame <= frames; ++frame) {
    if (heard) {
      nextTick += frameStep;
      std::this_thread::sleep_until(nextTick);
    }
    applyKeyEvents(events, nextEvent, frame, view.model.keyState, view.pressedSinceStep);
    std::optional<FrameInputs> netInputs;
    if (net && !(netInputs = waitForNetFrame(*net->game, view))) return 1;
    const FrameInputs inputs = netInputs ? std::move(*netInputs)
                               : replay  ? replay->frames[static_cast<std::size_t>(frame - 1)]
                                         : takeFrameInputs(view);
    recorder.record(inputs);
    const bool picture = options->pngEvery > 0 && frame % options->pngEvery == 0;
    runFrame(view, inputs, [&] {
      // As a buffer swap does: the driver keeps the drawing of every frame not yet finished.
      context->finish();
      if (picture && !writePngFile(pictureName(options->pngPrefix, frame), kWidth, kHeight,
                                   context->rgbaRows())) {
        std::fprintf(stderr, "vev-scene run: cannot write %s\n",
                     pictureName(options->pngPrefix, frame).c_str());
        ok = false;
      }
    });
    if (frame == options->desyncAt && view.model.controlled) {
      view.model.controlled->pose.position[0] += 0.001f;
    }
    if (net) net->game->afterStep(view);
    for (const std::string& news : std::exchange(view.news, {})) {
      std::fprintf(stderr, "vev-scene run: %s\n", news.c_str());
    }
    // The state's hash after the frame's step: equal on every machine, build and view.
    if (options->checksumEvery > 0 && frame % options->checksumEvery == 0) {
      std::printf("frame %" PRId64 " checksum %016llx\n", frame,
                  static_cast<unsigned long long>(stateChecksum(view.model)));
    }
  }
  if (net) finishNetRun(*net, view);
  const std::uint64_t finalChecksum = stateChecksum(view.model);
  if (recorder.isOpen() && !recorder.finish(finalChecksum)) {
    std::fprintf(stderr, "vev-scene run: cannot write %s\n", options->recordPath.c_str());
    ok = false;
  }
  if (replay && frames == static_cast<std::int64_t>(replay->frames.size()) &&
      finalChecksum != replay->finalChecksum) {
    std::fprintf(
        stderr,
        "vev-scene run: %s: the game ends at checksum %016llx, not at the recorded %016llx\n",
        options->replayPath.c_str(), static_cast<unsigned long long>(finalChecksum),
        static_cast<unsigned long long>(replay->finalChecksum));
    ok = false;
  }
  if (!options->jsonOutput.empty() && !writeJson(options->jsonOutput, view, frames)) {
    std::fprintf(stderr, "vev-scene run: cannot write %s\n", options->jsonOutput.c_str());
    ok = false;
  }
  return ok ? 0 : 1;
}

}  // namespace vev
