#include "net/messages.h"

#include <gtest/gtest.h>

#include "net/handshake_check.h"
#include "net/lockstep_session.h"

namespace vev {
namespace {

Handshake demoHandshake() {
  Handshake handshake;
  handshake.program = "3.22";
  handshake.player = "Ann";
  handshake.files = {{"sw/m-bird.ssp.zsf", 1}, {"sw/cruiser.ssp.zsf", 2}, {"sw/laser.wav", 3}};
  handshake.settings = {{"frame step", "40"}};
  return handshake;
}

TEST(NetMessages, EveryMessageComesBackAndNoCutOrPaddedPacketIsRead) {
  const std::vector<Message> messages = {demoHandshake(),
                                         Welcome{"Ann", true, 4},
                                         Refusal{"the game key differs"},
                                         Ping{123456789, true},
                                         FrameInput{1000, "F\x01\x54\x02"},
                                         FrameChecksum{25, ~0ULL},
                                         PauseChange{77, true},
                                         Bye{"left"}};
  for (const Message& message : messages) {
    const std::string bytes = encodeMessage(message);
    EXPECT_EQ(decodeMessage(bytes), message);
    for (std::size_t size = 0; size < bytes.size(); ++size) {
      EXPECT_FALSE(decodeMessage(bytes.substr(0, size))) << message.index() << " cut at " << size;
    }
    EXPECT_FALSE(decodeMessage(bytes + '\0'));
  }
  // An unknown kind, and an input longer than any frame's.
  EXPECT_FALSE(decodeMessage(std::string(1, '\x09')));
  EXPECT_FALSE(decodeMessage(encodeMessage(FrameInput{1, std::string(kMostInputBytes + 1, 'x')})));
}

TEST(NetMessages, TheRefusalNamesWhatDiffers) {
  const Handshake host = demoHandshake();
  EXPECT_EQ(handshakeDifference(host, host), "");
  Handshake other = host;
  other.files[1].hash = 99;
  EXPECT_EQ(handshakeDifference(host, other), "sw/cruiser.ssp.zsf differs");
  other = host;
  other.program = "3.21";
  EXPECT_EQ(handshakeDifference(host, other), "version 3.21 against 3.22");
  other = host;
  other.gameKey = 5;
  EXPECT_EQ(handshakeDifference(host, other), "the game key differs");
  other = host;
  other.settings[0].value = "20";
  EXPECT_EQ(handshakeDifference(host, other), "the setting frame step differs");
}

TEST(NetMessages, TheDelayCoversHalfTheRoundTripAndTheJitterAndOneFrameMore) {
  EXPECT_EQ(inputDelayFor(0.2, 0.05), 2);
  EXPECT_EQ(inputDelayFor(200.0, 20.0), 4);
  EXPECT_EQ(inputDelayFor(5000.0, 0.0), kMostInputDelay);
}

}  // namespace
}  // namespace vev
