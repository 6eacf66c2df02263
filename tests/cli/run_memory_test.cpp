#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "tests/cli/scene_tool.h"

namespace {

using vev::test::ScratchFolder;

// The peak resident size in kB of `vev-scene run` with these arguments, or -1 when it fails.
// Freed memory is handed back at once under AddressSanitizer, which would otherwise hold it.
long peakKilobytes(const std::string& args) {
  const std::string command = "cd '" VEV_SOURCE_DIR
                              "' && ASAN_OPTIONS=\"$ASAN_OPTIONS:"
                              "quarantine_size_mb=0\" '" VEV_SCENE_BINARY "' run " +
                              args + " >/dev/null 2>&1";
  const pid_t child = fork();
  if (child == 0) {
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return -1;
  }
  return usage.ru_maxrss;
}

// Both sides fire without pause; the software renderer used to keep every frame's drawing.
TEST(RunMemory, StaysFlatUnderSustainedFire) {
  const ScratchFolder folder("run_memory");
  const std::string keys = (folder.path / "fire.keys").string();
  std::ofstream(keys) << "1 down 32\n1 down 16\n";
  const std::string fight =
      "tests/data/sim/hawk.zsf tests/data/sim/drone.zsf --pilot attack "
      "--keys '" +
      keys + "' --frames ";
  const long shortRun = peakKilobytes(fight + "300");
  const long longRun = peakKilobytes(fight + "3000");
  ASSERT_GT(shortRun, 0);
  ASSERT_GT(longRun, 0);
  EXPECT_LT(longRun, shortRun + shortRun / 10) << shortRun << " kB after 300 frames";
}

}  // namespace
