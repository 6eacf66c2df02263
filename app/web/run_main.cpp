// vev-run: the simulation without a picture, for node. It flies the demonstration (or a replay
// recorded by the desktop program or vev-scene) and prints the state's checksum as `vev-scene run
// --checksum-every` prints it, so that the two lists can be compared line by line.
// Usage: vev-run [--pilot attack] [--replay FILE] [--frames N] [--checksum-every K]

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/demo_scene.h"
#include "app/frame.h"
#include "app/game_step.h"
#include "app/replay_file.h"
#include "sim/state_checksum.h"
#include "sound/silent_sound_library.h"

namespace vev {
namespace {

struct RunRequest {
  bool attack = false;
  std::string replayPath;
  std::int64_t frames = 0;  // 0: as many as the replay holds
  std::int64_t checksumEvery = 0;
};

// A count given as an option's value; nothing unless it is a whole number from 0 to 10^9.
std::optional<std::int64_t> countOf(const char* text) {
  char* end = nullptr;
  const long long value = std::strtoll(text, &end, 10);
  if (end == text || *end != '\0' || value < 0 || value > 1'000'000'000) return std::nullopt;
  return value;
}

std::optional<RunRequest> parseRequest(int argc, char** argv) {
  RunRequest request;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "--pilot" && i + 1 < argc && std::string_view(argv[i + 1]) == "attack") {
      request.attack = true;
      ++i;
    } else if (option == "--pilot" && i + 1 < argc && std::string_view(argv[i + 1]) == "demo") {
      ++i;
    } else if (option == "--replay" && i + 1 < argc) {
      request.replayPath = argv[++i];
    } else if ((option == "--frames" || option == "--checksum-every") && i + 1 < argc) {
      const std::optional<std::int64_t> count = countOf(argv[++i]);
      if (!count) return std::nullopt;
      (option == "--frames" ? request.frames : request.checksumEvery) = *count;
    } else {
      return std::nullopt;
    }
  }
  return request;
}

int run(const RunRequest& request) {
  std::optional<Replay> replay;
  if (!request.replayPath.empty()) {
    std::string error;
    replay = readReplay(request.replayPath, error);
    if (!replay) {
      std::fprintf(stderr, "vev-run: %s: %s\n", request.replayPath.c_str(), error.c_str());
      return 1;
    }
    if (!replay->setup.demo || !replay->setup.addFiles.empty()) {
      std::fprintf(stderr, "vev-run: %s: only replays of the demonstration alone are flown\n",
                   request.replayPath.c_str());
      return 1;
    }
  }
  ViewState view(std::make_unique<SilentSoundLibrary>());
  if (!holdsDemoScene({})) {
    std::fprintf(stderr, "vev-run: no sw/ folder here\n");
    return 1;
  }
  SceneAssets assets = view.assets([](const std::string& path) {
    std::fprintf(stderr, "Could Not read texture: %s\n", path.c_str());
  });
  loadDemoScene(view.model, assets);
  view.settings.attack = (replay ? replay->setup.attack : request.attack) ? 1 : 0;
  const auto recorded = replay ? static_cast<std::int64_t>(replay->frames.size()) : 0;
  const std::int64_t frames =
      replay && (request.frames == 0 || request.frames > recorded) ? recorded : request.frames;
  for (std::int64_t frame = 1; frame <= frames; ++frame) {
    const FrameInputs inputs =
        replay ? replay->frames[static_cast<std::size_t>(frame - 1)] : takeFrameInputs(view);
    stepFrame(view, inputs);
    view.news.clear();
    if (request.checksumEvery > 0 && frame % request.checksumEvery == 0) {
      std::printf("frame %" PRId64 " checksum %016llx\n", frame,
                  static_cast<unsigned long long>(stateChecksum(view.model)));
    }
  }
  return 0;
}

}  // namespace
}  // namespace vev

int main(int argc, char** argv) {
  const std::optional<vev::RunRequest> request = vev::parseRequest(argc, argv);
  if (!request) {
    std::fputs(
        "usage: vev-run [--pilot demo|attack] [--replay FILE] [--frames N] [--checksum-every K]\n",
        stderr);
    return 2;
  }
  return vev::run(*request);
}
