#include "net/lossy_relay.h"

#include <enet/enet.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <queue>
#include <random>
#include <utility>
#include <vector>

namespace vev {
namespace {

using Clock = std::chrono::steady_clock;

struct Datagram {
  Clock::time_point due;
  bool towardsTarget = false;
  std::vector<char> bytes;
  bool operator>(const Datagram& other) const { return due > other.due; }
};

using DueQueue = std::priority_queue<Datagram, std::vector<Datagram>, std::greater<>>;

ENetSocket boundSocket(ENetAddress& bound) {
  ENetSocket socket = enet_socket_create(ENET_SOCKET_TYPE_DATAGRAM);
  if (socket == ENET_SOCKET_NULL) return socket;
  ENetAddress local{};
  enet_address_set_host_ip(&local, "127.0.0.1");
  local.port = 0;
  if (enet_socket_bind(socket, &local) != 0 || enet_socket_get_address(socket, &bound) != 0) {
    enet_socket_destroy(socket);
    return ENET_SOCKET_NULL;
  }
  enet_socket_set_option(socket, ENET_SOCKOPT_NONBLOCK, 1);
  return socket;
}

// Everything the relay's thread works with.
struct RelayLoop {
  ENetSocket front;  // where the player sends
  ENetSocket back;   // what sends to the target
  ENetAddress target{};
  ENetAddress player{};
  bool playerKnown = false;
  LinkFaults faults;
  std::mt19937 random{27600};
  DueQueue queue;

  void take(ENetSocket socket, bool towardsTarget) {
    char buffer[4096];
    for (;;) {
      ENetAddress from{};
      ENetBuffer data{buffer, sizeof buffer};
      const int size = enet_socket_receive(socket, &from, &data, 1);
      if (size <= 0) return;
      if (towardsTarget) {
        player = from;
        playerKnown = true;
      }
      if (static_cast<int>(random() % 100) < faults.lossPercent) continue;
      const int jitter =
          faults.jitterMs > 0
              ? static_cast<int>(random() % (2 * faults.jitterMs + 1)) - faults.jitterMs
              : 0;
      const auto due =
          Clock::now() + std::chrono::milliseconds(std::max(0, faults.delayMs + jitter));
      queue.push({due, towardsTarget, std::vector<char>(buffer, buffer + size)});
    }
  }

  void sendDue() {
    while (!queue.empty() && queue.top().due <= Clock::now()) {
      const Datagram& datagram = queue.top();
      ENetBuffer data{const_cast<char*>(datagram.bytes.data()), datagram.bytes.size()};
      if (datagram.towardsTarget) {
        enet_socket_send(back, &target, &data, 1);
      } else if (playerKnown) {
        enet_socket_send(front, &player, &data, 1);
      }
      queue.pop();
    }
  }

  void run(const std::atomic<bool>& stop) {
    while (!stop) {
      ENetSocketSet readable;
      ENET_SOCKETSET_EMPTY(readable);
      ENET_SOCKETSET_ADD(readable, front);
      ENET_SOCKETSET_ADD(readable, back);
      enet_socketset_select(std::max(front, back), &readable, nullptr, 1);
      take(front, true);
      take(back, false);
      sendDue();
    }
    enet_socket_destroy(front);
    enet_socket_destroy(back);
  }
};

}  // namespace

std::unique_ptr<LossyRelay> LossyRelay::start(std::uint16_t targetPort, LinkFaults faults,
                                              std::string& error) {
  RelayLoop loop;
  loop.faults = faults;
  ENetAddress frontAddress{}, backAddress{};
  loop.front = boundSocket(frontAddress);
  loop.back = boundSocket(backAddress);
  if (loop.front == ENET_SOCKET_NULL || loop.back == ENET_SOCKET_NULL) {
    if (loop.front != ENET_SOCKET_NULL) enet_socket_destroy(loop.front);
    if (loop.back != ENET_SOCKET_NULL) enet_socket_destroy(loop.back);
    error = "the relay cannot open its ports";
    return nullptr;
  }
  enet_address_set_host_ip(&loop.target, "127.0.0.1");
  loop.target.port = targetPort;
  std::unique_ptr<LossyRelay> relay(new LossyRelay());
  relay->port_ = frontAddress.port;
  relay->thread_ = std::thread([loop, stop = &relay->stop_]() mutable { loop.run(*stop); });
  return relay;
}

LossyRelay::~LossyRelay() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

bool parseLinkFaults(const std::string& text, LinkFaults& faults) {
  char end = 0;
  LinkFaults read;
  if (std::sscanf(text.c_str(), "%d,%d,%d%c", &read.delayMs, &read.lossPercent, &read.jitterMs,
                  &end) != 3) {
    return false;
  }
  if (read.delayMs < 0 || read.delayMs > 10000 || read.lossPercent < 0 || read.lossPercent > 100 ||
      read.jitterMs < 0 || read.jitterMs > read.delayMs) {
    return false;
  }
  faults = read;
  return true;
}

}  // namespace vev
