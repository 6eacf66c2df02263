#include "app/commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "app/game_step.h"
#include "sound/silent_sound_library.h"
#include "tests/app/flag_commands.h"

namespace vev {
namespace {

namespace fs = std::filesystem;

// A craft with a hull, two cameras and a texture that cannot be read.
constexpr const char* kTwoCameraCraft = R"(10 test craft
two cameras in file order
name=Watcher
pos=0 0 0
*QUAD
name=hull
texture=missing.bmp-1
verts=-1 0 -1 1 0 -1 1 0 1 -1 0 1
*CAMERA
name=first
pos=1 0 0
tang=1 0 0
norm=0 1 0
*QUAD
name=fin
verts=0 0 0 1 0 0 1 1 0 0 1 0
*CAMERA
name=second
pos=2 0 0
tang=1 0 0
norm=0 1 0
*END
)";

struct Commands : ::testing::Test {
  Commands() : dir(fs::temp_directory_path() / ("vev_commands_" + std::to_string(getpid()))) {
    fs::create_directories(dir);
    std::ofstream(dir / "watcher.zsf") << kTwoCameraCraft;
  }
  ~Commands() override { fs::remove_all(dir); }

  Identity& add(const char* name) {
    Identity& identity = appendIdentity(view.model.scene, newIdentity());
    identity.name = name;
    return identity;
  }
  // The command, and the commands it queued as the next step applies them.
  void run(int id, SceneFileChooser chooser = {}) {
    view.onUnreadableTexture = [this](const std::string& path) {
      unreadable.push_back(path);
      frameReadyDuringLoad = view.model.frameReady;
    };
    runCommand(view, id, chooser);
    for (const GameCommand& command : std::exchange(view.commands, {})) {
      applyGameCommand(view, command);
    }
  }
  std::string path(const char* name) const { return (dir / name).string(); }
  int sceneSize() const {
    int count = 0;
    for (const Identity* it = view.model.scene.get(); it; it = it->next.get()) ++count;
    return count;
  }

  fs::path dir;
  ViewState view{std::make_unique<SilentSoundLibrary>()};
  std::vector<std::string> unreadable;
  int frameReadyDuringLoad = -1;
};

TEST_F(Commands, ToolbarHoldsTheCommandsInTheirGroups) {
  const std::vector<int> expected = {32775, 32771, kFlyCraft, 0,     32774, 32773, 32772, 0,
                                     32776, 32778, 0,         32777, 32780, 32786, 32779, 32789,
                                     32790, 0,     32784,     32785, 0,     32788, 0,     32792};
  const std::span<const int> layout = toolbarLayout();
  EXPECT_EQ(std::vector<int>(layout.begin(), layout.end()), expected);
  for (const int id : layout) {
    if (id == kToolbarSeparator) continue;
    ASSERT_NE(findCommand(id), nullptr) << id;
    EXPECT_FALSE(findCommand(id)->description().empty()) << id;
  }
  EXPECT_EQ(findCommand(kIdentityLabel)->kind, CommandKind::DisabledLabel);
  EXPECT_EQ(findCommand(kCameraLabel)->kind, CommandKind::DisabledLabel);
  EXPECT_EQ(findCommand(kGraphicsLabel)->kind, CommandKind::InactiveLabel);
  EXPECT_EQ(findCommand(kToggleFlat)->text, "");
  EXPECT_EQ(findCommand(kPreviousIdentity)->text, "Chose previus Identity to control");
  EXPECT_EQ(findCommand(32782), nullptr);
}

TEST_F(Commands, EachFlagToggleFlipsItsSettingAndItsCheckedState) {
  for (const auto& [id, flag] : test::kFlagCommands) {
    const std::int32_t before = view.settings.*flag;
    EXPECT_EQ(commandChecked(id, view.settings), before != 0) << id;
    run(id);
    EXPECT_EQ(view.settings.*flag, before == 1 ? 0 : 1) << id;
    EXPECT_EQ(commandChecked(id, view.settings), before == 0) << id;
    run(id);
    EXPECT_EQ(view.settings.*flag, before) << id;
  }
  EXPECT_FALSE(commandChecked(kNextCamera, view.settings).has_value());
}

TEST_F(Commands, AFlagStoredAsAnotherNumberSwitchesToOneButOnScreenHelpToZero) {
  view.settings.panel = 7;
  run(kTogglePanel);
  EXPECT_EQ(view.settings.panel, 1);
  // On-screen help is negated: any value but 0 is on, and the command turns it off.
  view.settings.idHelp = 2;
  run(kToggleIdHelp);
  EXPECT_EQ(view.settings.idHelp, 0);
  view.settings.idHelp = -1;
  run(kToggleIdHelp);
  EXPECT_EQ(view.settings.idHelp, 0);
}

TEST_F(Commands, WireWhileFlatGoesStraightToWireAndFlatTwiceReturnsToSolid) {
  run(kToggleFlat);
  EXPECT_EQ(view.settings.shading, 'f');
  EXPECT_TRUE(*commandChecked(kToggleFlat, view.settings));
  run(kToggleWireFrame);
  EXPECT_EQ(view.settings.shading, 'w');
  EXPECT_TRUE(*commandChecked(kToggleWireFrame, view.settings));
  EXPECT_FALSE(*commandChecked(kToggleFlat, view.settings));
  run(kToggleFlat);
  run(kToggleFlat);
  EXPECT_EQ(view.settings.shading, 's');
}

TEST_F(Commands, NextAndPreviousControlledSkipShots) {
  Identity& player = add("Player");
  add("AMMO");
  Identity& enemy = add("Enemy");
  add("AMMO");
  view.model.controlled = &player;
  run(kNextIdentity);
  EXPECT_EQ(view.model.controlled, &enemy);
  run(kNextIdentity);
  EXPECT_EQ(view.model.controlled, &player) << "wraps past the trailing shot";
  run(kPreviousIdentity);
  EXPECT_EQ(view.model.controlled, &enemy);
  EXPECT_EQ(view.model.activeCamera, &view.model.freeCamera) << "the camera stays";
}

TEST_F(Commands, ControlStaysWhenOnlyShotsCanBeChosen) {
  Identity& shot = add("AMMO");
  add("AMMO");
  view.model.controlled = &shot;
  run(kNextIdentity);
  run(kPreviousIdentity);
  EXPECT_EQ(view.model.controlled, &shot);

  ModelState empty;
  nextControlled(empty);
  previousControlled(empty);
  EXPECT_EQ(empty.controlled, nullptr);
}

TEST_F(Commands, NextCameraCyclesTheCraftsCamerasThenTheFreeCamera) {
  ASSERT_TRUE(addSceneFile(view, path("watcher.zsf"), {}));
  Identity& craft = *view.model.scene;
  view.model.controlled = &craft;
  const SceneNode& first = *craft.nodes->next;
  const SceneNode& second = *craft.nodes->next->next->next;
  ASSERT_EQ(second.name, "second");

  run(kNextCamera);
  EXPECT_EQ(view.model.activeCamera, first.pose.get());
  run(kNextCamera);
  EXPECT_EQ(view.model.activeCamera, second.pose.get());
  run(kNextCamera);
  EXPECT_EQ(view.model.activeCamera, &view.model.freeCamera);
  run(kNextCamera);
  EXPECT_EQ(view.model.activeCamera, first.pose.get());
}

TEST_F(Commands, NextCameraWithoutAControlledIdentityKeepsTheCamera) {
  ASSERT_TRUE(addSceneFile(view, path("watcher.zsf"), {}));
  run(kNextCamera);
  EXPECT_EQ(view.model.activeCamera, &view.model.freeCamera);
}

TEST_F(Commands, AddingAFileAppendsItsIdentityWithFramesHeldBack) {
  add("Player");
  run(kAddIdentity, [this] { return path("watcher.zsf"); });
  ASSERT_EQ(sceneSize(), 2);
  EXPECT_EQ(view.model.scene->next->name, "Watcher");
  EXPECT_EQ(frameReadyDuringLoad, 0) << "no frame may start while the file loads";
  EXPECT_EQ(view.model.frameReady, 1);
  EXPECT_EQ(unreadable, std::vector<std::string>{(dir / "missing.bmp").string()});
}

TEST_F(Commands, ACancelledDialogOrAnUnreadableFileChangesNothing) {
  add("Player");
  run(kAddIdentity, [] { return std::string(); });
  run(kAddIdentity, [this] { return path("absent.zsf"); });
  run(kAddIdentity, [this] { return dir.string(); });
  EXPECT_EQ(sceneSize(), 1);
  EXPECT_EQ(view.model.frameReady, 1);
  EXPECT_FALSE(addSceneFile(view, path("absent.zsf"), {}));
}

TEST_F(Commands, LabelsAndUnknownIdentifiersDoNothing) {
  const Settings before = view.settings;
  for (const int id : {int{kIdentityLabel}, int{kCameraLabel}, int{kGraphicsLabel}, 32782, 0}) {
    run(id);
  }
  EXPECT_EQ(view.settings.shading, before.shading);
  EXPECT_EQ(view.settings.idHelp, before.idHelp);
  EXPECT_EQ(view.settings.textures, before.textures);
}

}  // namespace
}  // namespace vev
