#include "app/demo_scene.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "app/view_state.h"
#include "sound/silent_sound_library.h"

namespace vev {
namespace {

namespace fs = std::filesystem;

constexpr KeyCode kT = 84, kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

// A data folder whose sw/ holds only some of the demonstration's files.
struct DemoFolder : ::testing::Test {
  DemoFolder() : dir(fs::temp_directory_path() / ("vev_demo_" + std::to_string(getpid()))) {
    fs::create_directories(dir / "sw");
    const fs::path data = fs::path(VEV_SOURCE_DIR) / "tests/data/sim";
    fs::copy_file(data / "hawk.zsf", dir / "sw/m-bird.ssp.zsf");
    fs::copy_file(data / "drone.zsf", dir / "sw/cyphora.ssp.zsf");
    fs::copy_file(data / "drone.zsf", dir / "sw/exp_scene.zsf");
  }
  ~DemoFolder() override { fs::remove_all(dir); }

  std::vector<Identity*> identities() {
    std::vector<Identity*> list;
    for (Identity* it = view.model.scene.get(); it; it = it->next.get()) list.push_back(it);
    return list;
  }

  fs::path dir;
  ViewState view{std::make_unique<SilentSoundLibrary>()};
};

TEST_F(DemoFolder, RowsWhoseFileIsMissingAreSkippedWhole) {
  SceneAssets assets = view.assets({});
  loadDemoScene(view.model, assets, dir.string());
  const auto list = identities();
  // m-bird twice, cyphora twice, the surroundings.
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[0]->hudName3, "KT RERAVER");
  EXPECT_EQ(list[1]->hudName, "ROMEO 1");
  EXPECT_EQ(list[2]->hudName, "ROMEO 2");
  EXPECT_EQ(list[3]->hudName, "ZETA 2");
  EXPECT_EQ(list[3]->hudName2, "PAULO SERTA");
  EXPECT_EQ(list[4]->hudName, "");
  for (Identity* craft : {list[1], list[2]}) {
    EXPECT_EQ(craft->hudName3, "EVIL");
    EXPECT_EQ(craft->keys[kT], 1);
    EXPECT_EQ(craft->keys[kUp], 1);
    EXPECT_EQ(craft->keys[kLeft], 1);
    EXPECT_EQ(craft->keys[kDown], 0);
  }
  EXPECT_EQ(list[3]->keys[kDown], 1);
  EXPECT_EQ(list[3]->keys[kRight], 1);
  EXPECT_EQ(list[0]->keys[kT], 0);
}

TEST_F(DemoFolder, OffsetsMoveEachRowsCraftAndTheViewStartsOnThePlayer) {
  SceneAssets assets = view.assets({});
  loadDemoScene(view.model, assets, dir.string());
  const auto list = identities();
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[1]->pose.position, (Vec3{90, 33, -12})) << "drone file at x 30, moved by the row";
  EXPECT_EQ(list[2]->pose.position, (Vec3{90, 30, 12}));
  EXPECT_EQ(list[3]->pose.position, (Vec3{120, 0, 40}));
  EXPECT_EQ(list[4]->pose.position, (Vec3{30, 0, 0}));
  EXPECT_EQ(view.model.activeCamera, list[0]->nodes->pose.get());
  EXPECT_EQ(list[0]->directory, dir.string() + "/sw\\");
}

TEST_F(DemoFolder, WithoutAPlayerFileTheFreeCameraStays) {
  fs::remove(dir / "sw/m-bird.ssp.zsf");
  SceneAssets assets = view.assets({});
  loadDemoScene(view.model, assets, dir.string());
  const auto list = identities();
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0]->hudName, "ROMEO 1") << "no other row's texts fall on it";
  EXPECT_EQ(view.model.activeCamera, &view.model.freeCamera);
}

}  // namespace
}  // namespace vev
