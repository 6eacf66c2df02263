#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

namespace vev {

// What a relay does to the datagrams it forwards, each way.
struct LinkFaults {
  int delayMs = 0;      // one way
  int jitterMs = 0;     // each datagram's delay varies by up to this much either way
  int lossPercent = 0;  // of the datagrams, dropped
};

// A stand-in for a distant, lossy network, for tests and benchmarks only: forwards the UDP
// datagrams a player sends to its own port on 127.0.0.1 to `targetPort` there, and the answers
// back, late and with losses as `faults` asks. It runs on a thread of its own until destroyed.
class LossyRelay {
 public:
  static std::unique_ptr<LossyRelay> start(std::uint16_t targetPort, LinkFaults faults,
                                           std::string& error);
  ~LossyRelay();
  LossyRelay(const LossyRelay&) = delete;
  LossyRelay& operator=(const LossyRelay&) = delete;

  // The port to join instead of the target's.
  std::uint16_t port() const { return port_; }

 private:
  LossyRelay() = default;

  std::uint16_t port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// "DELAY,LOSS,JITTER" (milliseconds, percent, milliseconds); false when it is not that.
bool parseLinkFaults(const std::string& text, LinkFaults& faults);

}  // namespace vev
