#pragma once

#include <optional>

#include "app/net_game.h"
#include "app/net_options.h"

namespace vev {

// Waits for the inputs of the next frame, telling the news on standard error and counting a
// stall for every frame step waited once the game has begun. Nothing when the game ended first
// (refused, nobody hosts, out of sync), after saying why.
std::optional<FrameInputs> waitForNetFrame(NetGame& game, ViewState& view);

// Ends the game for this player (the other is told) and prints its numbers on standard error.
void finishNetRun(NetStart& run, ViewState& view);

}  // namespace vev
