#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/headless.h"
#include "app/game_step.h"
#include "app/net_game.h"
#include "app/scene_json.h"
#include "net/lossy_relay.h"
#include "sound/silent_sound_library.h"

namespace vev {
namespace {

constexpr std::uint16_t kBenchPort = 27699;

struct NetBenchOptions {
  std::int64_t frames = 250;
  std::vector<int> latencies{0, 50, 100};
};

std::optional<NetBenchOptions> parseNetBenchOptions(const std::vector<std::string>& args,
                                                    std::string& error) {
  NetBenchOptions options;
  bool latencyGiven = false;
  int latency = 0;
  ArgumentParser parser;
  parser.flag("--net", [] {});
  parser.option("--frames", [&options](const std::string& value) {
    return parseWhole(value, 1, std::int64_t{1} << 20, options.frames);
  });
  parser.option("--latency", [&](const std::string& value) {
    latencyGiven = true;
    return parseWhole(value, 0, 5000, latency);
  });
  std::vector<std::string> plain;
  if (!parser.parse(args, plain, error)) return std::nullopt;
  if (!plain.empty()) {
    error = "bench --net takes no files";
    return std::nullopt;
  }
  if (latencyGiven) options.latencies = {latency};
  return options;
}

// One player of the benchmark's game, with the demonstration loaded.
struct BenchPlayer {
  ViewState view{std::make_unique<SilentSoundLibrary>()};
  std::unique_ptr<NetGame> game;

  // Steps a frame when both players' inputs for it are there; true when it did.
  bool tick() {
    game->session().service(0);
    std::optional<FrameInputs> inputs = game->nextFrame(view);
    if (!inputs) return false;
    stepGame(view, *inputs);
    game->afterStep(view);
    view.news.clear();
    return true;
  }
};

struct NetBenchRow {
  int latency = 0;
  int delay = 0;
  std::int64_t stalls = 0;
  double bytesPerFrame = 0.0;
};

// A game of two players in this process, the joining one behind a relay that adds `latency`
// each way, at the window's pace of one frame per step; a frame due that a player cannot step
// is a stall.
std::optional<NetBenchRow> benchGame(const NetBenchOptions& options, int latency,
                                     std::string& error) {
  BenchPlayer host, guest;
  loadRunScene(host.view, true, {});
  loadRunScene(guest.view, true, {});
  auto hostSession =
      LockstepSession::host(kBenchPort, gameHandshake(host.view, "Host", {}), true, error);
  if (!hostSession) return std::nullopt;
  auto relay = LossyRelay::start(kBenchPort, LinkFaults{latency, 0, 0}, error);
  if (!relay) return std::nullopt;
  auto guestSession = LockstepSession::join("127.0.0.1", relay->port(),
                                            gameHandshake(guest.view, "Guest", {}), error);
  if (!guestSession) return std::nullopt;
  const auto stateJson = [](const ViewState& view) {
    return sceneJson(view.model, view.textures, view.sounds);
  };
  host.game = std::make_unique<NetGame>(std::move(hostSession), GameSetup{}, stateJson);
  guest.game = std::make_unique<NetGame>(std::move(guestSession), GameSetup{}, stateJson);
  while (!host.game->started() || !guest.game->started()) {
    host.game->session().service(1);
    guest.game->session().service(1);
    if (guest.game->session().state() == LockstepSession::State::ended) {
      error = guest.game->session().failure();
      return std::nullopt;
    }
  }
  const auto step = std::chrono::milliseconds(host.view.model.frameStepMs);
  auto next = std::chrono::steady_clock::now();
  while (host.game->frame() < options.frames || guest.game->frame() < options.frames) {
    next += step;
    for (BenchPlayer* player : {&host, &guest}) {
      if (player->game->frame() < options.frames && !player->tick()) {
        player->game->session().noteStall(player->game->frame() + 1);
      }
    }
    while (std::chrono::steady_clock::now() < next) {
      host.game->session().service(0);
      guest.game->session().service(0);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  NetBenchRow row;
  row.latency = latency;
  row.delay = guest.game->session().delay();
  row.stalls = host.game->session().stalls() + guest.game->session().stalls();
  row.bytesPerFrame =
      static_cast<double>(guest.game->session().bytesSent()) / static_cast<double>(options.frames);
  host.game->session().finish(0);
  return row;
}

}  // namespace

int runNetBench(const std::vector<std::string>& args) {
  std::string error;
  const auto options = parseNetBenchOptions(args, error);
  if (!options) {
    std::fprintf(stderr, "vev-scene bench: %s\n", error.c_str());
    return 2;
  }
  if (!demoFolderHere("bench")) return 1;
  std::printf("%-18s %8s %8s %16s\n", "added latency (ms)", "delay", "stalls", "bytes per frame");
  for (const int latency : options->latencies) {
    const std::optional<NetBenchRow> row = benchGame(*options, latency, error);
    if (!row) {
      std::fprintf(stderr, "vev-scene bench: %s\n", error.c_str());
      return 1;
    }
    std::printf("%-18d %8d %8lld %16.1f\n", row->latency, row->delay,
                static_cast<long long>(row->stalls), row->bytesPerFrame);
  }
  return 0;
}

}  // namespace vev
