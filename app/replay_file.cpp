#include "app/replay_file.h"

#include <iterator>

#include "model/byte_codec.h"

namespace vev {
namespace {

constexpr std::string_view kMagic = "VEV replay\n";
constexpr std::uint64_t kFormatVersion = 2;
// Version 1 frames carry one player's keys only.
constexpr std::uint64_t kOnePlayerVersion = 1;
constexpr char kFrameTag = 'F';
constexpr char kEndTag = 'E';
// Bounds that no real game reaches, so that a corrupted count cannot ask for unbounded memory.
constexpr std::uint64_t kMostText = 4096;
constexpr std::uint64_t kMostAddedFiles = 10000;
constexpr std::uint64_t kMostCommands = 1000;

void readHeader(ByteReader& in, Replay& replay) {
  replay.setup.demo = in.number(1) == 1;
  const std::uint64_t added = in.number(kMostAddedFiles);
  for (std::uint64_t i = 0; in.ok() && i < added; ++i)
    replay.setup.addFiles.push_back(in.text(kMostText));
  replay.setup.attack = in.number(1) == 1;
  replay.files = readFileHashes(in);
}

void readKeyChanges(ByteReader& in, KeyStates& keys) {
  const std::uint64_t changes = in.number(kKeyCount);
  for (std::uint64_t i = 0; in.ok() && i < changes; ++i) {
    const std::uint64_t key = in.number(kKeyCount - 1);
    const std::int64_t value = unzigzag(in.number());
    if (value < INT16_MIN || value > INT16_MAX) in.fail();
    if (in.ok()) keys[key] = static_cast<std::int16_t>(value);
  }
}

FrameInputs readFrame(ByteReader& in, const FrameInputs& previous, std::uint64_t version) {
  FrameInputs frame;
  frame.keys = previous.keys;
  frame.secondKeys = previous.secondKeys;
  readKeyChanges(in, frame.keys);
  if (version != kOnePlayerVersion) readKeyChanges(in, frame.secondKeys);
  const std::uint64_t commands = in.number(kMostCommands);
  for (std::uint64_t i = 0; in.ok() && i < commands; ++i) {
    const auto kind = static_cast<GameCommand::Kind>(
        in.number(static_cast<std::uint64_t>(GameCommand::Kind::firstPlayerLeaves)));
    std::string file = in.text(kMostText);
    const bool attack = in.number(1) == 1;
    frame.commands.emplace_back(kind, std::move(file), attack);
  }
  return frame;
}

void putKeyChanges(std::string& out, const KeyStates& keys, const KeyStates& previous) {
  std::string changes;
  std::uint64_t count = 0;
  for (std::size_t key = 0; key < keys.size(); ++key) {
    if (keys[key] == previous[key]) continue;
    putNumber(changes, key);
    putNumber(changes, zigzag(keys[key]));
    ++count;
  }
  putNumber(out, count);
  out += changes;
}

}  // namespace

std::string encodeReplayHeader(const GameSetup& setup, const std::vector<FileHash>& files) {
  std::string out(kMagic);
  putNumber(out, kFormatVersion);
  putNumber(out, setup.demo ? 1 : 0);
  putNumber(out, setup.addFiles.size());
  for (const std::string& file : setup.addFiles) putText(out, file);
  putNumber(out, setup.attack ? 1 : 0);
  putFileHashes(out, files);
  return out;
}

std::string encodeReplayFrame(const FrameInputs& frame, const FrameInputs& previous) {
  std::string out(1, kFrameTag);
  putKeyChanges(out, frame.keys, previous.keys);
  putKeyChanges(out, frame.secondKeys, previous.secondKeys);
  putNumber(out, frame.commands.size());
  for (const GameCommand& command : frame.commands) {
    putNumber(out, static_cast<std::uint64_t>(command.kind));
    putText(out, command.file);
    putNumber(out, command.attack ? 1 : 0);
  }
  return out;
}

std::string encodeReplayEnd(std::int64_t frames, std::uint64_t finalChecksum) {
  std::string out(1, kEndTag);
  putNumber(out, static_cast<std::uint64_t>(frames));
  putFixed64(out, finalChecksum);
  return out;
}

std::optional<Replay> decodeReplay(std::string_view bytes, std::string& error) {
  ByteReader in(bytes);
  if (!in.expect(kMagic)) {
    error = "not a replay file";
    return std::nullopt;
  }
  const std::uint64_t version = in.number();
  if ((version != kFormatVersion && version != kOnePlayerVersion) || !in.ok()) {
    error = "a replay of another version of VEV";
    return std::nullopt;
  }
  Replay replay;
  readHeader(in, replay);
  FrameInputs previous;
  while (in.ok() && !in.atEnd()) {
    const char tag = in.tag();
    if (tag == kFrameTag) {
      replay.frames.push_back(readFrame(in, previous, version));
      previous.keys = replay.frames.back().keys;
      previous.secondKeys = replay.frames.back().secondKeys;
      continue;
    }
    if (tag != kEndTag) break;
    const std::uint64_t frames = in.number();
    replay.finalChecksum = in.fixed64();
    if (in.ok() && in.atEnd() && frames == replay.frames.size()) return replay;
    break;
  }
  const bool cutShort = (in.ok() && in.atEnd()) || in.ranOut();
  error = cutShort ? "the replay is cut short (the game did not end)" : "the replay is corrupted";
  return std::nullopt;
}

std::optional<FrameInputs> decodeReplayFrame(std::string_view bytes, const FrameInputs& previous) {
  ByteReader in(bytes);
  if (in.tag() != kFrameTag) return std::nullopt;
  FrameInputs frame = readFrame(in, previous, kFormatVersion);
  if (!in.ok() || !in.atEnd()) return std::nullopt;
  return frame;
}

std::optional<Replay> readReplay(const std::string& path, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot be read";
    return std::nullopt;
  }
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  return decodeReplay(bytes, error);
}

bool ReplayRecorder::open(const std::string& path, const GameSetup& setup,
                          const std::vector<FileHash>& files) {
  file_.open(path, std::ios::binary | std::ios::trunc);
  if (!file_) return false;
  file_ << encodeReplayHeader(setup, files);
  file_.flush();
  return static_cast<bool>(file_);
}

void ReplayRecorder::record(const FrameInputs& frame) {
  if (!file_.is_open()) return;
  file_ << encodeReplayFrame(frame, previous_);
  file_.flush();
  previous_.keys = frame.keys;
  previous_.secondKeys = frame.secondKeys;
  ++frames_;
}

bool ReplayRecorder::finish(std::uint64_t finalChecksum) {
  if (!file_.is_open()) return false;
  file_ << encodeReplayEnd(frames_, finalChecksum);
  file_.close();
  return !file_.fail();
}

}  // namespace vev
