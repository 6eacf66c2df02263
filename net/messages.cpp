#include "net/messages.h"

#include <limits>

#include "model/byte_codec.h"

namespace vev {
namespace {

constexpr std::uint64_t kMostText = 4096;
constexpr std::uint64_t kMostSettings = 64;
constexpr std::uint64_t kMostFrame = std::uint64_t{1} << 40;

void putFrame(std::string& out, std::int64_t frame) {
  putNumber(out, static_cast<std::uint64_t>(frame));
}

std::int64_t readFrame(ByteReader& in) {
  return static_cast<std::int64_t>(in.number(kMostFrame));
}

struct Encoder {
  std::string& out;

  void operator()(const Handshake& m) {
    putNumber(out, m.protocol);
    putText(out, m.program);
    putText(out, m.player);
    putFileHashes(out, m.files);
    putNumber(out, m.settings.size());
    for (const NamedValue& setting : m.settings) {
      putText(out, setting.name);
      putText(out, setting.value);
    }
    putFixed64(out, m.gameKey);
  }
  void operator()(const Welcome& m) {
    putText(out, m.player);
    putNumber(out, m.attack ? 1 : 0);
    putNumber(out, static_cast<std::uint64_t>(m.delay));
  }
  void operator()(const Refusal& m) { putText(out, m.reason); }
  void operator()(const Ping& m) {
    putFixed64(out, m.stamp);
    putNumber(out, m.answer ? 1 : 0);
  }
  void operator()(const FrameInput& m) {
    putFrame(out, m.frame);
    putText(out, m.bytes);
  }
  void operator()(const FrameChecksum& m) {
    putFrame(out, m.frame);
    putFixed64(out, m.checksum);
  }
  void operator()(const PauseChange& m) {
    putFrame(out, m.frame);
    putNumber(out, m.paused ? 1 : 0);
  }
  void operator()(const Bye& m) { putText(out, m.reason); }
};

Handshake readHandshake(ByteReader& in) {
  Handshake m;
  m.protocol = in.number();
  m.program = in.text(kMostText);
  m.player = in.text(kMostText);
  m.files = readFileHashes(in);
  const std::uint64_t settings = in.number(kMostSettings);
  for (std::uint64_t i = 0; in.ok() && i < settings; ++i) {
    NamedValue setting;
    setting.name = in.text(kMostText);
    setting.value = in.text(kMostText);
    m.settings.push_back(std::move(setting));
  }
  m.gameKey = in.fixed64();
  return m;
}

std::optional<Message> readBody(ByteReader& in, std::uint64_t kind) {
  switch (kind) {
    case 0:
      return readHandshake(in);
    case 1: {
      Welcome m;
      m.player = in.text(kMostText);
      m.attack = in.number(1) == 1;
      m.delay = static_cast<std::int64_t>(in.number(1000));
      return m;
    }
    case 2:
      return Refusal{in.text(kMostText)};
    case 3: {
      Ping m;
      m.stamp = in.fixed64();
      m.answer = in.number(1) == 1;
      return m;
    }
    case 4: {
      FrameInput m;
      m.frame = readFrame(in);
      m.bytes = in.text(kMostInputBytes);
      return m;
    }
    case 5: {
      FrameChecksum m;
      m.frame = readFrame(in);
      m.checksum = in.fixed64();
      return m;
    }
    case 6: {
      PauseChange m;
      m.frame = readFrame(in);
      m.paused = in.number(1) == 1;
      return m;
    }
    case 7:
      return Bye{in.text(kMostText)};
    default:
      return std::nullopt;
  }
}

}  // namespace

std::string encodeMessage(const Message& message) {
  std::string out;
  putNumber(out, message.index());
  std::visit(Encoder{out}, message);
  return out;
}

std::optional<Message> decodeMessage(std::string_view bytes) {
  if (bytes.size() > kMostMessageBytes) return std::nullopt;
  ByteReader in(bytes);
  const std::uint64_t kind = in.number(std::variant_size_v<Message> - 1);
  if (!in.ok()) return std::nullopt;
  std::optional<Message> message = readBody(in, kind);
  if (!message || !in.ok() || !in.atEnd()) return std::nullopt;
  return message;
}

}  // namespace vev
