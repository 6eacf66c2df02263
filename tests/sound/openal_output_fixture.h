#pragma once

#include <gtest/gtest.h>

#include <string>

#include "sound/openal_options.h"
#include "sound/openal_sound_library.h"
#include "tests/sound/sample_files.h"

namespace vev {

// Tests over OpenAL Soft's wave backend. OpenAL Soft reads its output configuration once per
// process, so every test of a process writes to the same WAV file (in a directory named after
// the process); each open of the device rewrites it.
class OpenAlOutputTest : public ::testing::Test {
 protected:
  OpenAlOutputTest();
  void SetUp() override;
  void TearDown() override;

  std::string path(const std::string& name) const { return directory_ + "/" + name; }
  std::string wavePath() const { return path("output.wav"); }
  OpenAlOptions waveOptions() const;

  // Writes a tone sample file named `name` and returns its path.
  std::string writeSample(const std::string& name, const Tone& tone) const;

  // Waits until the channel has played out, with a deadline that only guards against a hang.
  static bool waitUntilStopped(OpenAlSoundLibrary& library, int channel);
  // Waits until the device has written some output into its WAV file.
  bool waitForOutput() const;

 private:
  std::string directory_;
};

}  // namespace vev
