#pragma once

#include <string_view>

namespace vev {

// What each command takes, printed by its --help and after a mistake in its arguments.
inline constexpr std::string_view kRenderUsage =
    "usage: vev-scene render FILE... -o OUT.png [--size WxH] [--camera free|N] "
    "[--shading s|f|w] [--no-textures] [--help-panel] [--frames K]\n";
inline constexpr std::string_view kRunUsage =
    "usage: vev-scene run (--demo [FILE...] | FILE...) --frames N [--fly FILE] "
    "[--keys SCRIPT] "
    "[--png-every K --png-prefix P] [--json OUT] [--sound-wav WAV] [--help-panel] "
    "[--pilot demo|attack] [--camera free|N] [--checksum-every K] [--record REPLAY] "
    "[--host [PORT] | --join HOST[:PORT]] [--key WORD] [--player NAME]\n"
    "       vev-scene run --replay REPLAY [--frames N] [--checksum-every K] [...]\n";
inline constexpr std::string_view kBenchUsage =
    "usage: vev-scene bench (--demo | FILE...) [--frames N] [--craft M] [--shots S] "
    "[--json OUT] [--pilot demo|attack]\n"
    "       vev-scene bench --net [--frames N] [--latency MS]\n";
inline constexpr std::string_view kFightUsage =
    "usage: vev-scene fight [--frames N] [--throttle PERCENT] [--json OUT]\n";

}  // namespace vev
