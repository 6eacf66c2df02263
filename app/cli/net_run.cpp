#include "app/cli/net_run.h"

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <utility>

namespace vev {
namespace {

constexpr int kLingerMs = 5000;

void printNews(ViewState& view) {
  for (const std::string& news : std::exchange(view.news, {})) {
    std::fprintf(stderr, "vev-scene run: %s\n", news.c_str());
  }
}

}  // namespace

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

void finishNetRun(NetStart& run, ViewState& view) {
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
