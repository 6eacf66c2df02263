#pragma once

#include <enet/enet.h>

#include <cstdint>
#include <memory>
#include <string>

namespace vev {

// What arrived at an endpoint.
struct NetEvent {
  enum class Kind { none, connected, received, disconnected };
  Kind kind = Kind::none;
  ENetPeer* peer = nullptr;
  std::string bytes;  // received: the packet
};

// One end of a game's connections over ENet: the host's, listening on a port, or the joining
// player's, connected to one address. Channel 0 is reliable and ordered; channel 1 carries the
// unreliable round-trip probes.
class EnetEndpoint {
 public:
  // Nothing, with the reason in `error`, when the port cannot be had.
  static std::unique_ptr<EnetEndpoint> listen(std::uint16_t port, std::string& error);
  // Nothing, with the reason in `error`, when the address is not one.
  static std::unique_ptr<EnetEndpoint> connect(const std::string& address, std::uint16_t port,
                                               std::string& error);
  ~EnetEndpoint();
  EnetEndpoint(const EnetEndpoint&) = delete;
  EnetEndpoint& operator=(const EnetEndpoint&) = delete;

  // The next event, waiting up to `waitMs` for one.
  NetEvent poll(int waitMs);
  void send(ENetPeer* peer, const std::string& bytes, bool reliable);
  // Sends what is queued now rather than at the next poll.
  void flush();
  // Closes the connection once what is queued for it is sent.
  void disconnect(ENetPeer* peer);
  // Bytes sent and received on the wire so far, with ENet's and UDP's headers but the IP's.
  std::uint64_t bytesSent() const;
  std::uint64_t bytesReceived() const;

 private:
  explicit EnetEndpoint(ENetHost* host) : host_(host) {}

  ENetHost* host_;
};

}  // namespace vev
