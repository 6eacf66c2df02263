#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/net_game.h"
#include "net/lossy_relay.h"

namespace vev {

inline constexpr std::uint16_t kDefaultGamePort = 27600;

// How a player takes part in a network game, if he does.
struct NetOptions {
  bool host = false;
  std::string joinAddress;  // empty: not joining
  std::uint16_t port = kDefaultGamePort;
  std::string gameKey;
  std::string player;
  std::string faults;  // tests only: "DELAY,LOSS,JITTER" added on the way to the host

  bool active() const { return host || !joinAddress.empty(); }
};

// "PORT": a port from 1 to 65535.
bool parsePort(const std::string& text, std::uint16_t& port);
// "HOST[:PORT]" into the options.
bool parseJoinAddress(const std::string& text, NetOptions& options);

// A network game being started.
struct NetStart {
  std::unique_ptr<LossyRelay> relay;  // tests only: the faults added on the way to the host
  std::unique_ptr<NetGame> game;
};

// Hosts or joins as the options say, with the view's scene loaded; nothing, with the reason in
// `error`, when the port is taken or the address is not one.
std::optional<NetStart> startNetGame(const NetOptions& options, const ViewState& view,
                                     const GameSetup& setup, std::string& error);

}  // namespace vev
