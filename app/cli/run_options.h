#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/net_options.h"

namespace vev {

// What `vev-scene run` was asked for.
struct RunOptions {
  bool demo = false;
  std::vector<std::string> files;  // added after the demonstration when both are given
  std::int64_t frames = 0;
  std::string keyScript;
  std::int64_t pngEvery = 0;       // 0: no pictures
  std::int64_t checksumEvery = 0;  // 0: no checksums
  std::string pngPrefix;
  std::string jsonOutput;
  std::string recordPath;  // the run's inputs as a replay
  std::string replayPath;  // a replay to fly instead of a scene and a key script
  std::string flyFile;     // --fly: its craft put in the player's place at the first frame
  std::string soundWav;    // the run's sound as a WAV file, in real time; empty: silent
  bool helpPanel = false;  // show the control panel of the controlled Identity
  bool attack = false;     // --pilot attack: the computer-flown craft fight the controlled one
  // --camera: node of the first Identity whose pose is the camera, -1 for the free camera; none:
  // the camera the scene starts with.
  std::optional<int> cameraNode;
  NetOptions net;  // --host [PORT], --join HOST[:PORT], --key WORD, --player NAME
  // --desync-at: after this frame's step the controlled craft is moved by a millimetre on this
  // side alone, so that a network game falls out of sync (for its tests); 0: never.
  std::int64_t desyncAt = 0;
};

// The options of `run [--demo] [FILE...] --frames N [--keys SCRIPT] [--png-every K --png-prefix
// P] [--json OUT] [--sound-wav WAV] [--help-panel] [--pilot demo|attack] [--camera free|N]
// [--checksum-every K] [--record REPLAY] [--host [PORT] | --join HOST[:PORT]] [--key WORD]
// [--player NAME]`, or of `run --replay REPLAY [--frames N] [...]`, with
// --demo, scene files or both, or a replay; empty, with the reason in `error`, when they do not
// parse.
std::optional<RunOptions> parseRunOptions(const std::vector<std::string>& args, std::string& error);

}  // namespace vev
