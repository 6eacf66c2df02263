#include <gtest/gtest.h>

#include <string>

#include "app/cli/render_options.h"
#include "app/cli/run_options.h"
#include "tests/cli/scene_tool.h"

namespace vev::test {
namespace {

// The cockpit with every HUD item, seen from its own camera (node 0), and three contacts.
const std::string kCockpit =
    "tests/data/hud/cockpit.zsf tests/data/hud/raider.zsf tests/data/hud/wingman.zsf "
    "tests/data/hud/scout.zsf --camera 0 --size 320x240";

bool isOrange(int r, int g, int b) {
  return r > 200 && g > 90 && g < 160 && b < 40;
}
bool isHudGreen(int r, int g, int b) {
  return r < 40 && g > 200 && b < 40;
}

TEST(HudRender, RenderDrawsTheHudAndWithHelpPanelTheControlPanel) {
  const ScratchFolder folder("hud_render");
  const std::string plain = (folder.path / "plain.png").string();
  const std::string help = (folder.path / "help.png").string();
  ASSERT_EQ(runScene("render " + kCockpit + " -o '" + plain + "'").status, 0);
  ASSERT_EQ(runScene("render " + kCockpit + " --help-panel -o '" + help + "'").status, 0);
  EXPECT_GT(countPixels(plain, 320, 240, isHudGreen), 300);
  EXPECT_EQ(countPixels(plain, 320, 240, isOrange), 0);
  EXPECT_GT(countPixels(help, 160, 100, isOrange), 100) << "the panel lists from the top left";
}

TEST(HudRender, RunDrawsTheHudEveryFrameAndTheControlPanelWhenAsked) {
  const ScratchFolder folder("hud_run");
  const std::string files =
      "tests/data/hud/cockpit.zsf tests/data/hud/raider.zsf --frames 2 --png-every 2";
  ASSERT_EQ(
      runScene("run " + files + " --png-prefix '" + (folder.path / "plain").string() + "'").status,
      0);
  ASSERT_EQ(runScene("run " + files + " --help-panel --png-prefix '" +
                     (folder.path / "help").string() + "'")
                .status,
            0);
  const std::string plain = (folder.path / "plain000002.png").string();
  const std::string help = (folder.path / "help000002.png").string();
  EXPECT_GT(countPixels(plain, 800, 600, isHudGreen), 300);
  EXPECT_EQ(countPixels(plain, 800, 600, isOrange), 0);
  EXPECT_GT(countPixels(help, 200, 120, isOrange), 100);
}

TEST(HudRender, HelpPanelIsASwitchOfRenderAndRun) {
  std::string error;
  const auto help = parseRenderOptions({"a.zsf", "--help-panel", "-o", "o.png"}, error);
  ASSERT_TRUE(help.has_value()) << error;
  EXPECT_EQ(help->settings.idHelp, 1);
  EXPECT_EQ(help->files, std::vector<std::string>{"a.zsf"});
  EXPECT_EQ(parseRenderOptions({"a.zsf", "-o", "o.png"}, error)->settings.idHelp, 0);
  const auto run = parseRunOptions({"a.zsf", "--frames", "3", "--help-panel"}, error);
  ASSERT_TRUE(run.has_value()) << error;
  EXPECT_TRUE(run->helpPanel);
  EXPECT_FALSE(parseRunOptions({"a.zsf", "--frames", "3"}, error)->helpPanel);
}

}  // namespace
}  // namespace vev::test
