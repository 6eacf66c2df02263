#pragma once

#include <optional>
#include <string>

namespace vev {

// Where OpenAL Soft sends its output. OpenAL Soft reads its backend choice and configuration
// once per process, at the first OpenAL call, so only the options of the first library opened
// in a process take effect; later ones reuse that output.
struct OpenAlOptions {
  enum class Backend {
    Default,   // whatever the machine's OpenAL configuration picks
    Null,      // mixes in real time into nothing: no device is needed, nothing is heard
    WaveFile,  // writes the mix to `wavePath` as a WAV file (rewritten at every open)
  };
  Backend backend = Backend::Default;
  std::string wavePath;    // output file of the WaveFile backend
  std::string deviceName;  // device to open; empty for the backend's default device
};

// The OpenAL Soft configuration text that sends the wave backend's output to `wavePath`, or
// nothing when the configuration format cannot express the path ('#' starts a comment there,
// lines end at control characters, values are at most 255 characters, `$` needs escaping).
std::optional<std::string> waveConfigText(const std::string& wavePath);

// Prepares the process environment for the options, before OpenAL is first called: names the
// backend in ALSOFT_DRIVERS and, for the wave backend, writes a configuration file beside the
// WAV file and points ALSOFT_CONF at it. False when that configuration cannot be written.
bool prepareOpenAlOutput(const OpenAlOptions& options);

// Removes the configuration file that prepareOpenAlOutput wrote, once OpenAL has read it.
void removeOpenAlOutputConfig(const OpenAlOptions& options);

}  // namespace vev
