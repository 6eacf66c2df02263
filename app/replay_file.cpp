#include "app/replay_file.h"

#include <iterator>

namespace vev {
namespace {

constexpr std::string_view kMagic = "VEV replay\n";
constexpr std::uint64_t kFormatVersion = 1;
constexpr char kFrameTag = 'F';
constexpr char kEndTag = 'E';
// Bounds that no real game reaches, so that a corrupted count cannot ask for unbounded memory.
constexpr std::uint64_t kMostText = 4096;
constexpr std::uint64_t kMostFiles = 10000;
constexpr std::uint64_t kMostCommands = 1000;

void putNumber(std::string& out, std::uint64_t value) {
  while (value >= 0x80) {
    out.push_back(static_cast<char>((value & 0x7f) | 0x80));
    value >>= 7;
  }
  out.push_back(static_cast<char>(value));
}

void putText(std::string& out, std::string_view text) {
  putNumber(out, text.size());
  out.append(text);
}

void putFixed64(std::string& out, std::uint64_t value) {
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

std::uint64_t zigzag(std::int64_t v) {
  return (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63);
}

std::int64_t unzigzag(std::uint64_t v) {
  return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1);
}

// Reads the parts back; every read fails, and stays failed, past the end or on a bad value.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool ok() const { return ok_; }
  // Whether a read failed for want of bytes rather than on a bad value.
  bool ranOut() const { return ranOut_; }
  bool atEnd() const { return at_ == bytes_.size(); }
  void fail() { ok_ = false; }

  std::uint64_t number(std::uint64_t most = UINT64_MAX) {
    std::uint64_t value = 0;
    for (int shift = 0; ok_ && shift < 64; shift += 7) {
      if (at_ >= bytes_.size()) {
        runOut();
        return 0;
      }
      const auto byte = static_cast<unsigned char>(bytes_[at_++]);
      value |= static_cast<std::uint64_t>(byte & 0x7f) << shift;
      if ((byte & 0x80) == 0) {
        if (value > most) ok_ = false;
        return ok_ ? value : 0;
      }
    }
    ok_ = false;
    return 0;
  }
  std::string text() {
    const std::uint64_t size = number(kMostText);
    if (!ok_ || bytes_.size() - at_ < size) {
      if (ok_) runOut();
      return {};
    }
    std::string value(bytes_.substr(at_, size));
    at_ += size;
    return value;
  }
  std::uint64_t fixed64() {
    if (!ok_ || bytes_.size() - at_ < 8) {
      if (ok_) runOut();
      return 0;
    }
    std::uint64_t value = 0;
    for (int i = 0; i < 8; ++i) {
      value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[at_++])) << (8 * i);
    }
    return value;
  }
  char tag() {
    if (!ok_ || at_ >= bytes_.size()) {
      ok_ = false;
      return 0;
    }
    return bytes_[at_++];
  }
  bool expect(std::string_view text) {
    if (bytes_.substr(at_, text.size()) != text) return false;
    at_ += text.size();
    return true;
  }

 private:
  void runOut() {
    ok_ = false;
    ranOut_ = true;
  }

  std::string_view bytes_;
  std::size_t at_ = 0;
  bool ok_ = true;
  bool ranOut_ = false;
};

void readHeader(Reader& in, Replay& replay) {
  replay.setup.demo = in.number(1) == 1;
  const std::uint64_t added = in.number(kMostFiles);
  for (std::uint64_t i = 0; in.ok() && i < added; ++i) replay.setup.addFiles.push_back(in.text());
  replay.setup.attack = in.number(1) == 1;
  const std::uint64_t files = in.number(kMostFiles);
  for (std::uint64_t i = 0; in.ok() && i < files; ++i) {
    FileHash file;
    file.name = in.text();
    file.hash = in.fixed64();
    replay.files.push_back(std::move(file));
  }
}

FrameInputs readFrame(Reader& in, const KeyStates& previous) {
  FrameInputs frame;
  frame.keys = previous;
  const std::uint64_t changes = in.number(kKeyCount);
  for (std::uint64_t i = 0; in.ok() && i < changes; ++i) {
    const std::uint64_t key = in.number(kKeyCount - 1);
    const std::int64_t value = unzigzag(in.number());
    if (value < INT16_MIN || value > INT16_MAX) in.fail();
    frame.keys[key] = static_cast<std::int16_t>(value);
  }
  const std::uint64_t commands = in.number(kMostCommands);
  for (std::uint64_t i = 0; in.ok() && i < commands; ++i) {
    const auto kind = static_cast<GameCommand::Kind>(
        in.number(static_cast<std::uint64_t>(GameCommand::Kind::flyFile)));
    std::string file = in.text();
    const bool attack = in.number(1) == 1;
    frame.commands.emplace_back(kind, std::move(file), attack);
  }
  return frame;
}

}  // namespace

std::string encodeReplayHeader(const GameSetup& setup, const std::vector<FileHash>& files) {
  std::string out(kMagic);
  putNumber(out, kFormatVersion);
  putNumber(out, setup.demo ? 1 : 0);
  putNumber(out, setup.addFiles.size());
  for (const std::string& file : setup.addFiles) putText(out, file);
  putNumber(out, setup.attack ? 1 : 0);
  putNumber(out, files.size());
  for (const FileHash& file : files) {
    putText(out, file.name);
    putFixed64(out, file.hash);
  }
  return out;
}

std::string encodeReplayFrame(const FrameInputs& frame, const KeyStates& previousKeys) {
  std::string out(1, kFrameTag);
  std::string changes;
  std::uint64_t count = 0;
  for (std::size_t key = 0; key < frame.keys.size(); ++key) {
    if (frame.keys[key] == previousKeys[key]) continue;
    putNumber(changes, key);
    putNumber(changes, zigzag(frame.keys[key]));
    ++count;
  }
  putNumber(out, count);
  out += changes;
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
  Reader in(bytes);
  if (!in.expect(kMagic)) {
    error = "not a replay file";
    return std::nullopt;
  }
  if (in.number() != kFormatVersion || !in.ok()) {
    error = "a replay of another version of VEV";
    return std::nullopt;
  }
  Replay replay;
  readHeader(in, replay);
  KeyStates keys{};
  while (in.ok() && !in.atEnd()) {
    const char tag = in.tag();
    if (tag == kFrameTag) {
      replay.frames.push_back(readFrame(in, keys));
      keys = replay.frames.back().keys;
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
  file_ << encodeReplayFrame(frame, keys_);
  file_.flush();
  keys_ = frame.keys;
  ++frames_;
}

bool ReplayRecorder::finish(std::uint64_t finalChecksum) {
  if (!file_.is_open()) return false;
  file_ << encodeReplayEnd(frames_, finalChecksum);
  file_.close();
  return !file_.fail();
}

}  // namespace vev
