#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/file_hash.h"

namespace vev {

// The version of the messages below; peers of another protocol are refused.
inline constexpr std::uint64_t kProtocolVersion = 1;
// No message is longer: a longer packet is refused before it is read.
inline constexpr std::size_t kMostMessageBytes = 256 * 1024;
// One player's inputs for one frame, as the replay's frame record encodes them.
inline constexpr std::size_t kMostInputBytes = 8 * 1024;

// A setting that changes the simulation, by name and value, as both players must have it.
struct NamedValue {
  std::string name;
  std::string value;
  bool operator==(const NamedValue&) const = default;
};

// What a joining player brings, and what the host compares with its own.
struct Handshake {
  std::uint64_t protocol = kProtocolVersion;
  std::string program;          // the program's version
  std::string player;           // the player's name
  std::vector<FileHash> files;  // every scene file, bitmap and sample loaded
  std::vector<NamedValue> settings;
  std::uint64_t gameKey = 0;  // a hash of the shared word; 0 when there is none
  bool operator==(const Handshake&) const = default;
};

// The host lets the player in: its name, its pilot, and the input delay in frames.
struct Welcome {
  std::string player;
  bool attack = false;
  std::int64_t delay = 1;
  bool operator==(const Welcome&) const = default;
};

// The host keeps the player out, saying why.
struct Refusal {
  std::string reason;
  bool operator==(const Refusal&) const = default;
};

// A round-trip probe and its answer; `stamp` comes back as it was sent.
struct Ping {
  std::uint64_t stamp = 0;
  bool answer = false;
  bool operator==(const Ping&) const = default;
};

// One player's inputs for one frame.
struct FrameInput {
  std::int64_t frame = 0;
  std::string bytes;
  bool operator==(const FrameInput&) const = default;
};

// The state's checksum after a frame.
struct FrameChecksum {
  std::int64_t frame = 0;
  std::uint64_t checksum = 0;
  bool operator==(const FrameChecksum&) const = default;
};

// The game pauses or goes on, for both players, before `frame` is stepped.
struct PauseChange {
  std::int64_t frame = 0;
  bool paused = false;
  bool operator==(const PauseChange&) const = default;
};

// The player leaves the game.
struct Bye {
  std::string reason;
  bool operator==(const Bye&) const = default;
};

using Message =
    std::variant<Handshake, Welcome, Refusal, Ping, FrameInput, FrameChecksum, PauseChange, Bye>;

std::string encodeMessage(const Message& message);

// The message in `bytes`; nothing for bytes that are not exactly one well-formed message within
// the bounds above.
std::optional<Message> decodeMessage(std::string_view bytes);

}  // namespace vev
