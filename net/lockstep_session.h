#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/enet_endpoint.h"
#include "net/messages.h"

namespace vev {

// The frame step the input delay is counted in, and the bounds of the delay.
inline constexpr int kLockstepFrameMs = 40;
inline constexpr int kMostInputDelay = 12;
// Both players' checksums are compared after every this many frames.
inline constexpr std::int64_t kChecksumEvery = 25;

// The input delay, in frames, that a measured round trip and its jitter ask for: enough frames
// for an input to arrive before its frame is due, and one more.
int inputDelayFor(double roundTripMs, double jitterMs);

// A two-player game in lockstep: each player sends his inputs for frame N + delay when he steps
// frame N, and frame N is stepped when both players' inputs for it are there. The inputs are
// bytes to the session; what they mean is the game's. Nothing here is called from the
// simulation: the game asks for the inputs of the frame it is about to step.
class LockstepSession {
 public:
  enum class State {
    waiting,  // the host: for a player; the joining player: for the host's welcome
    playing,
    alone,  // the other player left; the game goes on
    ended,  // refused, out of sync, or the connection could not be made
  };

  // Hosts a game on `port` as the player `mine` describes; nothing, with the reason in `error`.
  static std::unique_ptr<LockstepSession> host(std::uint16_t port, Handshake mine, bool attack,
                                               std::string& error);
  // Joins the game at `address`; nothing, with the reason in `error`.
  static std::unique_ptr<LockstepSession> join(const std::string& address, std::uint16_t port,
                                               Handshake mine, std::string& error);
  ~LockstepSession();
  LockstepSession(const LockstepSession&) = delete;
  LockstepSession& operator=(const LockstepSession&) = delete;

  // Says goodbye when a game runs, and waits up to `lingerMs` for what was sent to arrive.
  void finish(int lingerMs);
  // Takes what arrived and sends what is due, waiting up to `waitMs` for something to arrive.
  void service(int waitMs);

  State state() const { return state_; }
  bool isHost() const { return isHost_; }
  const std::string& otherPlayer() const { return other_; }
  // The host's pilot, as the welcome told it.
  bool attack() const { return attack_; }
  int delay() const { return delay_; }
  // Why the game ended, in the players' words.
  const std::string& failure() const { return failure_; }
  // What the players should hear of since the last call: who joined, left or was refused, and a
  // raised delay.
  std::vector<std::string> takeNews();

  // Sends this player's inputs for `frame`.
  void sendInput(std::int64_t frame, const std::string& bytes);
  // The other player's inputs for `frame`, once they have come; taken once.
  std::optional<std::string> takeOtherInput(std::int64_t frame);
  bool hasOtherInput(std::int64_t frame) const;
  // Closes the other player's connection over something he sent; the game goes on alone.
  void disconnectOther(const std::string& news);
  // Notes a frame that was due but could not be stepped for want of the other's inputs; when
  // stalls repeat, the delay is raised by a frame.
  void noteStall(std::int64_t frame);
  std::int64_t stalls() const { return stalls_; }

  // This player's checksum after `frame`; compared with the other's when both are there.
  void sendChecksum(std::int64_t frame, std::uint64_t checksum);
  // The first frame whose checksums differ.
  std::optional<std::int64_t> outOfSyncFrame() const { return outOfSync_; }
  // The first frame at which the other player's pause changes the game, and how.
  std::optional<PauseChange> takePauseChange();
  void sendPause(std::int64_t frame, bool paused);

  std::uint64_t bytesSent() const { return endpoint_->bytesSent(); }
  std::uint64_t bytesReceived() const { return endpoint_->bytesReceived(); }

 private:
  using Clock = std::chrono::steady_clock;

  LockstepSession(std::unique_ptr<EnetEndpoint> endpoint, Handshake mine, bool isHost);
  void handle(const NetEvent& event);
  void receive(ENetPeer* peer, const Message& message);
  void receiveHandshake(ENetPeer* peer, const Handshake& theirs);
  void receiveWelcome(const Welcome& welcome);
  void receivePing(ENetPeer* peer, const Ping& ping);
  void receiveChecksum(const FrameChecksum& checksum);
  void sendProbes();
  void welcomeWhenMeasured();
  void checkSilence();
  void leave(const std::string& news);
  void end(const std::string& why);
  void send(const Message& message, bool reliable = true);
  void refuse(ENetPeer* peer, const std::string& reason);

  std::unique_ptr<EnetEndpoint> endpoint_;
  Handshake mine_;
  bool isHost_;
  State state_ = State::waiting;
  ENetPeer* peer_ = nullptr;  // the other player's connection, once there is one
  bool connected_ = false;
  std::string other_;
  std::string target_;  // the joining player's: the address joined, as given
  bool attack_ = false;
  int delay_ = 1;
  std::string failure_;
  std::vector<std::string> news_;
  std::map<std::int64_t, std::string> otherInputs_;
  std::map<std::int64_t, std::uint64_t> myChecksums_;
  std::map<std::int64_t, std::uint64_t> otherChecksums_;
  std::optional<std::int64_t> outOfSync_;
  std::deque<PauseChange> pauses_;
  std::deque<std::int64_t> recentStalls_;
  std::int64_t stalls_ = 0;
  std::vector<double> roundTrips_;
  Clock::time_point start_ = Clock::now();
  Clock::time_point measureStart_{};
  Clock::time_point lastProbe_{};
  Clock::time_point lastHeard_ = Clock::now();
};

}  // namespace vev
