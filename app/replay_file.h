#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/frame_inputs.h"
#include "app/scene_hashes.h"

namespace vev {

// How a game was started: the demonstration or not, the files added after it, the pilot.
struct GameSetup {
  bool demo = true;
  std::vector<std::string> addFiles;
  bool attack = false;
  bool operator==(const GameSetup&) const = default;
};

// A recorded game: how it was started, the scene files it was started from, every frame's
// inputs, and the state's checksum after the last frame.
struct Replay {
  GameSetup setup;
  std::vector<FileHash> files;
  std::vector<FrameInputs> frames;
  std::uint64_t finalChecksum = 0;
};

// The file's parts: a header ("VEV replay" and the format's version, the setup, the files), one
// record per frame (each player's keys that changed since the frame before, then the commands),
// and an end record (the number of frames and the final checksum). Numbers are variable-length.
// Files of the first version, with one player's keys, are still read.
std::string encodeReplayHeader(const GameSetup& setup, const std::vector<FileHash>& files);
std::string encodeReplayFrame(const FrameInputs& frame, const FrameInputs& previous);
std::string encodeReplayEnd(std::int64_t frames, std::uint64_t finalChecksum);

// The replay in `bytes`; nothing, with the reason in `error`, for a file that is not a replay,
// is of another version, was cut short or is corrupted.
std::optional<Replay> decodeReplay(std::string_view bytes, std::string& error);
// One frame record, as encodeReplayFrame wrote it after `previous`; nothing when the bytes are
// not exactly one well-formed frame record.
std::optional<FrameInputs> decodeReplayFrame(std::string_view bytes, const FrameInputs& previous);
std::optional<Replay> readReplay(const std::string& path, std::string& error);

// Writes a game's replay as it is played: the header at once, each frame as it is stepped, and
// the end when the game ends. A game that stops without its end leaves a file that is refused as
// cut short.
class ReplayRecorder {
 public:
  // False when the file cannot be written.
  bool open(const std::string& path, const GameSetup& setup, const std::vector<FileHash>& files);
  bool isOpen() const { return file_.is_open(); }
  void record(const FrameInputs& frame);
  // Writes the end record and closes the file; false when the file could not be written.
  bool finish(std::uint64_t finalChecksum);

 private:
  std::ofstream file_;
  FrameInputs previous_;
  std::int64_t frames_ = 0;
};

}  // namespace vev
