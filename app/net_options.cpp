#include "app/net_options.h"

#include <charconv>

#include "app/scene_json.h"

namespace vev {

bool parsePort(const std::string& text, std::uint16_t& port) {
  unsigned value = 0;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || at != end || text.empty() || value < 1 || value > 65535) {
    return false;
  }
  port = static_cast<std::uint16_t>(value);
  return true;
}

bool parseJoinAddress(const std::string& text, NetOptions& options) {
  const std::size_t colon = text.rfind(':');
  std::string address = text.substr(0, colon);
  if (colon != std::string::npos && !parsePort(text.substr(colon + 1), options.port)) return false;
  if (address.empty()) return false;
  options.joinAddress = std::move(address);
  return true;
}

std::optional<NetStart> startNetGame(const NetOptions& options, const ViewState& view,
                                     const GameSetup& setup, std::string& error) {
  NetStart start;
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
      start.relay = LossyRelay::start(port, faults, error);
      if (!start.relay) return std::nullopt;
      port = start.relay->port();
    }
    session = LockstepSession::join(options.joinAddress, port, std::move(mine), error);
  }
  if (!session) return std::nullopt;
  start.game = std::make_unique<NetGame>(std::move(session), setup, [](const ViewState& state) {
    return sceneJson(state.model, state.textures, state.sounds);
  });
  return start;
}

}  // namespace vev
