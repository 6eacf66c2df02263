#pragma once

#include <cstdint>
#include <string>

namespace vev {

inline constexpr std::uint16_t kDefaultGamePort = 27600;

// How `vev-scene run` takes part in a network game, if it does.
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

}  // namespace vev
