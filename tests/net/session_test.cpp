#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <functional>

#include "net/lockstep_session.h"

namespace vev {
namespace {

using State = LockstepSession::State;

std::uint16_t testPort() {
  return static_cast<std::uint16_t>(30000 + getpid() % 20000);
}

Handshake player(const std::string& name) {
  Handshake handshake;
  handshake.program = "3.22";
  handshake.player = name;
  return handshake;
}

// Services the sessions until `done` holds; a generous bound keeps a fault from hanging the
// suite.
bool serviceUntil(const std::vector<LockstepSession*>& sessions,
                  const std::function<bool()>& done) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!done() && std::chrono::steady_clock::now() < until) {
    for (LockstepSession* session : sessions) session->service(2);
  }
  return done();
}

TEST(LockstepSessionTest, AThirdPlayerIsRefusedAndAHostilePacketOnlyEndsThatConnection) {
  std::string error;
  auto host = LockstepSession::host(testPort(), player("Ann"), true, error);
  ASSERT_TRUE(host) << error;
  auto guest = LockstepSession::join("127.0.0.1", testPort(), player("Bob"), error);
  ASSERT_TRUE(guest) << error;
  ASSERT_TRUE(serviceUntil({host.get(), guest.get()}, [&] {
    return host->state() == State::playing && guest->state() == State::playing;
  }));
  EXPECT_EQ(host->delay(), guest->delay());
  EXPECT_TRUE(guest->attack());

  auto third = LockstepSession::join("127.0.0.1", testPort(), player("Cy"), error);
  ASSERT_TRUE(serviceUntil({host.get(), guest.get(), third.get()},
                           [&] { return third->state() == State::ended; }));
  EXPECT_EQ(third->failure(), "refused: a game is already running");

  guest->sendInput(1, "F\x00\x00\x00");
  ASSERT_TRUE(serviceUntil({host.get(), guest.get()}, [&] { return host->hasOtherInput(1); }));

  // A raw ENet connection that joins and sends bytes that are no message.
  auto stranger = EnetEndpoint::connect("127.0.0.1", testPort(), error);
  ASSERT_TRUE(stranger);
  ENetPeer* peer = nullptr;
  serviceUntil({host.get()}, [&] {
    const NetEvent event = stranger->poll(1);
    if (event.kind == NetEvent::Kind::connected) peer = event.peer;
    return peer != nullptr;
  });
  ASSERT_TRUE(peer);
  stranger->send(peer, std::string("\x04\xff\xff\xff", 4), true);
  stranger->flush();
  for (int i = 0; i < 50; ++i) host->service(2);
  EXPECT_EQ(host->state(), State::playing) << "a stranger's packet reached the game";
}

}  // namespace
}  // namespace vev
