#include "tests/sound/openal_output_fixture.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace vev {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(5);
constexpr auto kHangDeadline = std::chrono::seconds(20);

template <typename Condition>
bool waitFor(Condition condition) {
  const auto deadline = std::chrono::steady_clock::now() + kHangDeadline;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
  return true;
}

}  // namespace

// Set before any member of a derived fixture can ask for the options.
OpenAlOutputTest::OpenAlOutputTest()
    : directory_(::testing::TempDir() + "vev_sound_" + std::to_string(getpid())) {}

void OpenAlOutputTest::SetUp() {
  std::filesystem::create_directories(directory_);
}

void OpenAlOutputTest::TearDown() {
  std::filesystem::remove_all(directory_);
}

OpenAlOptions OpenAlOutputTest::waveOptions() const {
  OpenAlOptions options;
  options.backend = OpenAlOptions::Backend::WaveFile;
  options.wavePath = wavePath();
  return options;
}

std::string OpenAlOutputTest::writeSample(const std::string& name, const Tone& tone) const {
  const std::string file = path(name);
  EXPECT_TRUE(writeTone(file, tone)) << file;
  return file;
}

bool OpenAlOutputTest::waitUntilStopped(OpenAlSoundLibrary& library, int channel) {
  return waitFor([&] { return !library.isPlaying(channel); });
}

bool OpenAlOutputTest::waitForOutput() const {
  // A RIFF header and a few mixing periods of stereo float frames.
  constexpr std::uintmax_t kSomeOutput = 44 + 4 * 1024 * 8;
  return waitFor([&] {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(wavePath(), error);
    return !error && size > kSomeOutput;
  });
}

}  // namespace vev
