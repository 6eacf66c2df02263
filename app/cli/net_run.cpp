#include "app/cli/net_run.h"

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <utility>

#include "app/cli/scene_json.h"

namespace vev {
namespace {

constexpr int kLingerMs = 5000;

void printNews(ViewState& view) {
  for (const std::string& news : std::exchange(view.news, {})) {
    std::fprintf(stderr, "vev-scene run: %s\n", news.c_str());
  }
}

}  // namespace

std::optional<NetRun> startNetRun(const NetOptions& options, const ViewState& view,
                                  const GameSetup& setup, std::string& error) {
  NetRun run;
  Handshake mine = gameHandshake(view, options.player, options.gameKey);
  std::unique_ptr<LockstepSession> session;
  if (options.host) {
    session = LockstepSession::host(options.port, std::move(mine), setup.attack, error);
  } else {
    std::uint16_t port = options.port;
    LinkFaults faults;
    if (!options.faults.empty()) {
      if (!parseLinkFaults(options.faults, faults)) {
        error = "--net-faults takes DELAY,LOSS,JITTER";
        return std::nullopt;
      }
      run.relay = LossyRelay::start(port, faults, error);
      if (!run.relay) return std::nullopt;
      port = run.relay->port();
    }
    session = LockstepSession::join(options.joinAddress, port, std::move(mine), error);
  }
  if (!session) return std::nullopt;
  run.game = std::make_unique<NetGame>(std::move(session), setup, [](const ViewState& state) {
    return sceneJson(state.model, state.textures, state.sounds);
  });
  return run;
}

std::optional<FrameInputs> waitForNetFrame(NetGame& game, ViewState& view) {
  using Clock = std::chrono::steady_clock;
  const auto frameStep = std::chrono::milliseconds(view.model.frameStepMs);
  auto nextStall = Clock::now() + frameStep;
  for (;;) {
    if (std::optional<FrameInputs> inputs = game.nextFrame(view)) return inputs;
    if (game.session().state() == LockstepSession::State::ended) {
      game.tellNews(view);
      printNews(view);
      return std::nullopt;
    }
    game.session().service(5);
    game.tellNews(view);
    printNews(view);
    if (!game.started()) {
      nextStall = Clock::now() + frameStep;
    } else if (Clock::now() >= nextStall) {
      game.session().noteStall(game.frame() + 1);
      nextStall += frameStep;
    }
  }
}

void finishNetRun(NetRun& run, ViewState& view) {
  LockstepSession& session = run.game->session();
  session.finish(kLingerMs);
  run.game->tellNews(view);
  printNews(view);
  const auto frames = static_cast<double>(std::max<std::int64_t>(run.game->frame(), 1));
  std::fprintf(stderr,
               "vev-scene run: network game: %" PRId64 " frames, input delay %d, %" PRId64
               " stalls, %.1f bytes sent and %.1f received per frame\n",
               run.game->frame(), session.delay(), session.stalls(),
               static_cast<double>(session.bytesSent()) / frames,
               static_cast<double>(session.bytesReceived()) / frames);
}

}  // namespace vev
