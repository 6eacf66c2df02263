#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

// The demonstration's files as the checker sees them: nothing skipped, misread or out of order.
namespace vev::demo {
namespace {

TEST(SceneCheck, EveryFileOfTheDemonstrationPassesWithNothingReported) {
  std::string files;
  int count = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(VEV_SOURCE_DIR) + "/sw")) {
    if (entry.path().extension() != ".zsf") continue;
    files += " 'sw/" + entry.path().filename().string() + "'";
    ++count;
  }
  ASSERT_EQ(count, 6);
  const std::string command =
      "cd '" VEV_SOURCE_DIR "' && '" VEV_SCENE_BINARY "' check" + files + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string report;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    report.append(buffer, n);
  const int status = pclose(pipe);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << report;
  EXPECT_EQ(report, "");
}

}  // namespace
}  // namespace vev::demo
