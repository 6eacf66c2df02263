#include "net/lockstep_session.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "net/handshake_check.h"

namespace vev {
namespace {

using Ms = std::chrono::duration<double, std::milli>;

// The round trip is measured with this many probes, one every kProbeEveryMs, for at most
// kMeasureMs (probes lost on the way are not waited for).
constexpr std::size_t kProbes = 10;
constexpr double kProbeEveryMs = 30.0;
constexpr double kMeasureMs = 2000.0;
// Nothing heard for this long: the other player has left, or nobody hosts where we joined.
constexpr double kSilenceMs = 5000.0;
// A join that no host answers fails after this long.
constexpr double kConnectMs = 4000.0;
// The host's welcome is waited for this long after the connection is made.
constexpr double kWelcomeMs = 15000.0;
// A probe says that we are still here this often. Probes are unreliable, so that they arrive
// while a lost input is being sent again and holds up the inputs behind it.
constexpr double kKeepAliveMs = 500.0;
// This many stalls within kStallWindow frames raise the delay by a frame.
constexpr std::size_t kStallsToRaise = 3;
constexpr std::int64_t kStallWindow = 50;

std::uint64_t nowStamp() {
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(
                                        std::chrono::steady_clock::now().time_since_epoch())
                                        .count());
}

// The middle round trip, and how far the round trips stray from their mean on average.
std::pair<double, double> roundTripAndJitter(std::vector<double> samples) {
  if (samples.empty()) return {kMeasureMs, 0.0};
  std::sort(samples.begin(), samples.end());
  const double middle = samples[samples.size() / 2];
  const double mean =
      std::accumulate(samples.begin(), samples.end(), 0.0) / static_cast<double>(samples.size());
  double deviation = 0.0;
  for (double sample : samples) deviation += std::fabs(sample - mean);
  return {middle, deviation / static_cast<double>(samples.size())};
}

}  // namespace

int inputDelayFor(double roundTripMs, double jitterMs) {
  const double frames = std::ceil((roundTripMs / 2.0 + jitterMs) / kLockstepFrameMs) + 1.0;
  return static_cast<int>(std::clamp(frames, 1.0, static_cast<double>(kMostInputDelay)));
}

std::unique_ptr<LockstepSession> LockstepSession::host(std::uint16_t port, Handshake mine,
                                                       bool attack, std::string& error) {
  auto endpoint = EnetEndpoint::listen(port, error);
  if (!endpoint) return nullptr;
  std::unique_ptr<LockstepSession> session(
      new LockstepSession(std::move(endpoint), std::move(mine), true));
  session->attack_ = attack;
  return session;
}

std::unique_ptr<LockstepSession> LockstepSession::join(const std::string& address,
                                                       std::uint16_t port, Handshake mine,
                                                       std::string& error) {
  auto endpoint = EnetEndpoint::connect(address, port, error);
  if (!endpoint) return nullptr;
  std::unique_ptr<LockstepSession> session(
      new LockstepSession(std::move(endpoint), std::move(mine), false));
  session->target_ = address + ":" + std::to_string(port);
  return session;
}

LockstepSession::LockstepSession(std::unique_ptr<EnetEndpoint> endpoint, Handshake mine,
                                 bool isHost)
    : endpoint_(std::move(endpoint)), mine_(std::move(mine)), isHost_(isHost) {}

LockstepSession::~LockstepSession() {
  if (peer_ && connected_ && (state_ == State::playing || state_ == State::waiting)) {
    send(Bye{"left"});
    endpoint_->disconnect(peer_);
  }
}

void LockstepSession::finish(int lingerMs) {
  if (!peer_ || state_ != State::playing) return;
  send(Bye{"finished"});
  endpoint_->disconnect(peer_);
  const auto until = Clock::now() + std::chrono::milliseconds(lingerMs);
  while (Clock::now() < until) {
    const NetEvent event = endpoint_->poll(10);
    if (event.kind == NetEvent::Kind::disconnected && event.peer == peer_) break;
  }
  peer_ = nullptr;
  state_ = State::alone;
}

void LockstepSession::service(int waitMs) {
  for (NetEvent event = endpoint_->poll(waitMs); event.kind != NetEvent::Kind::none;
       event = endpoint_->poll(0)) {
    handle(event);
  }
  sendProbes();
  welcomeWhenMeasured();
  checkSilence();
  endpoint_->flush();
}

std::vector<std::string> LockstepSession::takeNews() {
  return std::exchange(news_, {});
}

void LockstepSession::handle(const NetEvent& event) {
  switch (event.kind) {
    case NetEvent::Kind::connected:
      if (isHost_ && peer_) {
        refuse(event.peer, "a game is already running");
        return;
      }
      peer_ = event.peer;
      connected_ = true;
      lastHeard_ = Clock::now();
      if (!isHost_) send(mine_);
      return;
    case NetEvent::Kind::received: {
      const std::optional<Message> message = decodeMessage(event.bytes);
      if (event.peer != peer_) return;
      if (!message) {
        disconnectOther((other_.empty() ? std::string("The other player") : other_) +
                        " sent a malformed message and was disconnected");
        return;
      }
      lastHeard_ = Clock::now();
      receive(event.peer, *message);
      return;
    }
    case NetEvent::Kind::disconnected:
      if (event.peer != peer_) return;
      if (state_ == State::playing) {
        leave(other_ + " left the game");
      } else if (!isHost_ && state_ == State::waiting) {
        end(connected_ ? "the host closed the connection" : "nobody hosts at " + target_);
      } else if (isHost_ && state_ == State::waiting) {
        peer_ = nullptr;
        connected_ = false;
        roundTrips_.clear();
      }
      return;
    case NetEvent::Kind::none:
      return;
  }
}

void LockstepSession::receive(ENetPeer* peer, const Message& message) {
  if (const auto* handshake = std::get_if<Handshake>(&message)) {
    if (isHost_ && state_ == State::waiting && other_.empty()) receiveHandshake(peer, *handshake);
  } else if (const auto* welcome = std::get_if<Welcome>(&message)) {
    if (!isHost_ && state_ == State::waiting) receiveWelcome(*welcome);
  } else if (const auto* refusal = std::get_if<Refusal>(&message)) {
    if (!isHost_ && state_ == State::waiting) end("refused: " + refusal->reason);
  } else if (const auto* ping = std::get_if<Ping>(&message)) {
    receivePing(peer, *ping);
  } else if (const auto* input = std::get_if<FrameInput>(&message)) {
    if (state_ == State::playing) otherInputs_.emplace(input->frame, input->bytes);
  } else if (const auto* checksum = std::get_if<FrameChecksum>(&message)) {
    receiveChecksum(*checksum);
  } else if (const auto* pause = std::get_if<PauseChange>(&message)) {
    pauses_.push_back(*pause);
  } else if (std::holds_alternative<Bye>(message) && state_ == State::playing) {
    disconnectOther(other_ + " left the game");
  }
}

void LockstepSession::receiveHandshake(ENetPeer* peer, const Handshake& theirs) {
  const std::string difference = handshakeDifference(mine_, theirs);
  if (!difference.empty()) {
    news_.push_back(theirs.player + " was refused: " + difference);
    refuse(peer, difference);
    peer_ = nullptr;
    connected_ = false;
    return;
  }
  other_ = theirs.player;
  measureStart_ = Clock::now();
}

void LockstepSession::receiveWelcome(const Welcome& welcome) {
  other_ = welcome.player;
  attack_ = welcome.attack;
  delay_ = static_cast<int>(std::clamp<std::int64_t>(welcome.delay, 1, kMostInputDelay));
  state_ = State::playing;
  news_.push_back("Joined " + other_ + "'s game; input delay " + std::to_string(delay_) +
                  " frames");
}

void LockstepSession::receivePing(ENetPeer* peer, const Ping& ping) {
  if (!ping.answer) {
    endpoint_->send(peer, encodeMessage(Ping{ping.stamp, true}), false);
    return;
  }
  const std::uint64_t now = nowStamp();
  if (ping.stamp <= now) roundTrips_.push_back(static_cast<double>(now - ping.stamp) / 1000.0);
}

void LockstepSession::receiveChecksum(const FrameChecksum& checksum) {
  otherChecksums_[checksum.frame] = checksum.checksum;
  const auto mine = myChecksums_.find(checksum.frame);
  if (mine == myChecksums_.end()) return;
  if (mine->second != checksum.checksum && !outOfSync_) {
    outOfSync_ = checksum.frame;
    end("Out of sync at frame " + std::to_string(checksum.frame));
  }
  myChecksums_.erase(mine);
  otherChecksums_.erase(checksum.frame);
}

void LockstepSession::sendProbes() {
  if (!peer_ || !connected_) return;
  const auto now = Clock::now();
  const bool measuring = isHost_ && state_ == State::waiting && !other_.empty();
  const double since = Ms(now - lastProbe_).count();
  if (measuring ? since < kProbeEveryMs : since < kKeepAliveMs) return;
  lastProbe_ = now;
  send(Ping{nowStamp(), false}, false);
}

void LockstepSession::welcomeWhenMeasured() {
  if (!isHost_ || state_ != State::waiting || other_.empty()) return;
  if (roundTrips_.size() < kProbes && Ms(Clock::now() - measureStart_).count() < kMeasureMs) {
    return;
  }
  const auto [roundTrip, jitter] = roundTripAndJitter(roundTrips_);
  delay_ = inputDelayFor(roundTrip, jitter);
  send(Welcome{mine_.player, attack_, delay_});
  state_ = State::playing;
  news_.push_back(other_ + " joined the game; input delay " + std::to_string(delay_) + " frames");
}

void LockstepSession::checkSilence() {
  const double silent = Ms(Clock::now() - lastHeard_).count();
  if (state_ == State::playing && silent > kSilenceMs) {
    leave(other_ + " left the game");
  } else if (!isHost_ && state_ == State::waiting) {
    if (!connected_ && Ms(Clock::now() - start_).count() > kConnectMs) {
      end("nobody hosts at " + target_);
    } else if (connected_ && silent > kWelcomeMs) {
      end("the host does not answer");
    }
  }
}

void LockstepSession::leave(const std::string& news) {
  if (state_ != State::playing) {
    end(news);
    return;
  }
  state_ = State::alone;
  news_.push_back(news);
  peer_ = nullptr;
}

void LockstepSession::end(const std::string& why) {
  if (state_ == State::ended) return;
  state_ = State::ended;
  failure_ = why;
}

void LockstepSession::send(const Message& message, bool reliable) {
  if (!peer_) return;
  endpoint_->send(peer_, encodeMessage(message), reliable);
}

void LockstepSession::refuse(ENetPeer* peer, const std::string& reason) {
  endpoint_->send(peer, encodeMessage(Refusal{reason}), true);
  endpoint_->disconnect(peer);
}

void LockstepSession::sendInput(std::int64_t frame, const std::string& bytes) {
  if (state_ == State::playing) send(FrameInput{frame, bytes});
}

std::optional<std::string> LockstepSession::takeOtherInput(std::int64_t frame) {
  const auto it = otherInputs_.find(frame);
  if (it == otherInputs_.end()) return std::nullopt;
  std::string bytes = std::move(it->second);
  otherInputs_.erase(it);
  return bytes;
}

bool LockstepSession::hasOtherInput(std::int64_t frame) const {
  return otherInputs_.count(frame) != 0;
}

void LockstepSession::disconnectOther(const std::string& news) {
  if (peer_) endpoint_->disconnect(peer_);
  leave(news);
}

void LockstepSession::noteStall(std::int64_t frame) {
  ++stalls_;
  recentStalls_.push_back(frame);
  while (!recentStalls_.empty() && recentStalls_.front() <= frame - kStallWindow) {
    recentStalls_.pop_front();
  }
  if (recentStalls_.size() < kStallsToRaise || delay_ >= kMostInputDelay) return;
  recentStalls_.clear();
  ++delay_;
  news_.push_back("Input delay raised to " + std::to_string(delay_) + " frames");
}

void LockstepSession::sendChecksum(std::int64_t frame, std::uint64_t checksum) {
  if (state_ != State::playing) return;
  myChecksums_[frame] = checksum;
  send(FrameChecksum{frame, checksum});
  const auto theirs = otherChecksums_.find(frame);
  if (theirs != otherChecksums_.end()) receiveChecksum(FrameChecksum{frame, theirs->second});
}

std::optional<PauseChange> LockstepSession::takePauseChange() {
  if (pauses_.empty()) return std::nullopt;
  PauseChange change = pauses_.front();
  pauses_.pop_front();
  return change;
}

void LockstepSession::sendPause(std::int64_t frame, bool paused) {
  send(PauseChange{frame, paused});
}

}  // namespace vev
