#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/cli/net_options.h"
#include "app/net_game.h"
#include "net/lossy_relay.h"

namespace vev {

// A network game as `vev-scene run` plays it.
struct NetRun {
  std::unique_ptr<LossyRelay> relay;  // tests only: the faults added on the way to the host
  std::unique_ptr<NetGame> game;
};

// Hosts or joins as the options say, with the view's scene loaded; nothing, with the reason in
// `error`, when the port is taken or the address is not one.
std::optional<NetRun> startNetRun(const NetOptions& options, const ViewState& view,
                                  const GameSetup& setup, std::string& error);

// Waits for the inputs of the next frame, telling the news on standard error and counting a
// stall for every frame step waited once the game has begun. Nothing when the game ended first
// (refused, nobody hosts, out of sync), after saying why.
std::optional<FrameInputs> waitForNetFrame(NetGame& game, ViewState& view);

// Ends the game for this player (the other is told) and prints its numbers on standard error.
void finishNetRun(NetRun& run, ViewState& view);

}  // namespace vev
