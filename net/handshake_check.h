#pragma once

#include <string>

#include "net/messages.h"

namespace vev {

// What keeps a joining player out of the host's game, in the players' words ("protocol 2
// against 1", "version 3.21 against 3.22", "sw/cruiser.ssp.zsf differs", "the setting frame step
// differs", "the game key differs"); empty when the two may play together.
std::string handshakeDifference(const Handshake& host, const Handshake& joining);

}  // namespace vev
