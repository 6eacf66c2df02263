#include "net/enet_endpoint.h"

namespace vev {
namespace {

constexpr std::size_t kChannels = 2;
// Beyond the one game, a few connections are let in to be told that a game is running.
constexpr std::size_t kHostConnections = 4;
// ENet gives up on a peer that leaves a reliable packet unacknowledged this long. The game's own
// rule (nothing heard for 5 s) is kept by the session with probes that do not queue behind a
// lost packet, so ENet is left more patient: a lossy link retransmits with growing pauses.
constexpr enet_uint32 kUnacknowledgedMinimumMs = 10000;
constexpr enet_uint32 kUnacknowledgedMaximumMs = 30000;

}  // namespace

std::unique_ptr<EnetEndpoint> EnetEndpoint::listen(std::uint16_t port, std::string& error) {
  if (enet_initialize() != 0) {
    error = "the network cannot be started";
    return nullptr;
  }
  ENetAddress address{};
  address.host = ENET_HOST_ANY;
  address.port = port;
  ENetHost* host = enet_host_create(&address, kHostConnections, kChannels, 0, 0);
  if (!host) {
    error = "port " + std::to_string(port) + " is taken";
    return nullptr;
  }
  return std::unique_ptr<EnetEndpoint>(new EnetEndpoint(host));
}

std::unique_ptr<EnetEndpoint> EnetEndpoint::connect(const std::string& name, std::uint16_t port,
                                                    std::string& error) {
  if (enet_initialize() != 0) {
    error = "the network cannot be started";
    return nullptr;
  }
  ENetAddress address{};
  if (enet_address_set_host(&address, name.c_str()) != 0) {
    error = name + " is not an address";
    return nullptr;
  }
  address.port = port;
  ENetHost* host = enet_host_create(nullptr, 1, kChannels, 0, 0);
  if (!host) {
    error = "the network cannot be started";
    return nullptr;
  }
  ENetPeer* peer = enet_host_connect(host, &address, kChannels, 0);
  if (!peer) {
    enet_host_destroy(host);
    error = "cannot connect to " + name;
    return nullptr;
  }
  enet_peer_timeout(peer, 0, kUnacknowledgedMinimumMs, kUnacknowledgedMaximumMs);
  return std::unique_ptr<EnetEndpoint>(new EnetEndpoint(host));
}

EnetEndpoint::~EnetEndpoint() {
  enet_host_flush(host_);
  enet_host_destroy(host_);
}

NetEvent EnetEndpoint::poll(int waitMs) {
  ENetEvent event{};
  NetEvent result;
  if (enet_host_service(host_, &event, static_cast<enet_uint32>(waitMs > 0 ? waitMs : 0)) <= 0) {
    return result;
  }
  result.peer = event.peer;
  switch (event.type) {
    case ENET_EVENT_TYPE_CONNECT:
      enet_peer_timeout(event.peer, 0, kUnacknowledgedMinimumMs, kUnacknowledgedMaximumMs);
      result.kind = NetEvent::Kind::connected;
      break;
    case ENET_EVENT_TYPE_RECEIVE:
      result.kind = NetEvent::Kind::received;
      result.bytes.assign(reinterpret_cast<const char*>(event.packet->data),
                          event.packet->dataLength);
      enet_packet_destroy(event.packet);
      break;
    case ENET_EVENT_TYPE_DISCONNECT:
      result.kind = NetEvent::Kind::disconnected;
      break;
    case ENET_EVENT_TYPE_NONE:
      break;
  }
  return result;
}

void EnetEndpoint::send(ENetPeer* peer, const std::string& bytes, bool reliable) {
  ENetPacket* packet =
      enet_packet_create(bytes.data(), bytes.size(), reliable ? ENET_PACKET_FLAG_RELIABLE : 0);
  if (packet && enet_peer_send(peer, reliable ? 0 : 1, packet) != 0) enet_packet_destroy(packet);
}

void EnetEndpoint::flush() {
  enet_host_flush(host_);
}

void EnetEndpoint::disconnect(ENetPeer* peer) {
  enet_peer_disconnect_later(peer, 0);
}

std::uint64_t EnetEndpoint::bytesSent() const {
  return host_->totalSentData;
}

std::uint64_t EnetEndpoint::bytesReceived() const {
  return host_->totalReceivedData;
}

}  // namespace vev
