#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/commands.h"
#include "app/reload.h"
#include "model/kinematics.h"
#include "sim/key_access.h"
#include "sim/node_control.h"
#include "sound/sound_control.h"
#include "tests/scenefile/bitmap_files.h"
#include "tests/sound/recording_sound_library.h"

namespace vev {
namespace {

namespace fs = std::filesystem;

// A craft with its own sound and an engine, both heard up to 100 m.
constexpr const char* kLoudCraft =
    "10 loud\nsounds\nname=LOUD\npos=0 0 0\nsound=boom.wav\nsoundrange=100\n*JET\npos=0 0 0\n"
    "tang=1 0 0\nnorm=0 1 0\nsound=engine.wav\nsoundrange=100\n*END\n";

struct Reload : ::testing::Test {
  Reload() : dir(fs::temp_directory_path() / ("vev_reload_" + std::to_string(getpid()))) {
    fs::create_directories(dir);
  }
  ~Reload() override { fs::remove_all(dir); }

  std::string write(const std::string& name, const std::string& text) const {
    std::ofstream(dir / name) << text;
    return (dir / name).string();
  }
  void frame() { updateSounds(view.sounds, view.model.scene.get(), unitPose(), SoundMix{}); }

  fs::path dir;
  LibraryCalls calls;
  ViewState view{std::make_unique<RecordingSoundLibrary>(calls)};
};

// Reloads register each sample file once, stop and forget what the old craft played, and leave
// the fresh craft sounding.
TEST_F(Reload, TwoHundredReloadsKeepOneSamplePerFileAndTheCraftSounding) {
  const std::string path = write("loud.zsf", kLoudCraft);
  ASSERT_TRUE(addSceneFile(view, path, {}));
  ASSERT_TRUE(addSceneFile(view, path, {}));
  frame();
  ASSERT_EQ(calls.played.size(), 2u) << "both engines loop";
  for (int i = 0; i < 200; ++i) reloadSceneFile(view, path, {});
  EXPECT_EQ(calls.stopped, (std::vector<int>{1, 2})) << "the first craft's engines";
  write("loud.zsf", "10 half\nwritten\nname=LOUD\nsound=boom.wav\n*END\n");
  reloadSceneFile(view, path, {});
  EXPECT_EQ(view.news.back(), "Kept LOUD: loud.zsf cannot be read or holds no part");
  EXPECT_EQ(view.sounds.entries().size(), 4u);
  EXPECT_EQ(calls.loaded.size(), 2u);
  EXPECT_TRUE(calls.freed.empty());
  frame();
  EXPECT_EQ(calls.played.size(), 4u);
}

// A craft flying at speed, turned, spinning, throttle half open: its file's colour is changed
// and it is reloaded twice, the second time from a copy cut before its *END.
TEST_F(Reload, AReloadKeepsTheFlightAndACutFileKeepsTheCraft) {
  const std::string craft =
      "10 dart\nflying\nname=DART\npos=0 0 0\n*QUAD\nname=hull\ndif=80 80 80 100\npos=0 0 0\n"
      "tang=1 0 0\nnorm=0 1 0\nverts=0 0 0 1 0 0 1 1 0\n*JET\nname=engine\npos=-1 0 0\n"
      "tang=-1 0 0\nnorm=0 1 0\nmaxthrust=1000\ncontrolox=84 66 500 0 1000 0\n*END\n";
  const std::string path = write("dart.zsf", craft);
  ASSERT_TRUE(addSceneFile(view, path, {}));
  Identity& before = *view.model.scene;
  rotatePose(before.pose, 0.0f, 1.0f, 0.0f, 30.0f);
  before.motion.velocity = {40.0f, 0.0f, -5.0f};
  before.motion.angularVelocity = {0.0f, 12.0f, 0.0f};
  SceneNode& jet = *before.nodes->next;
  jet.throttle = std::make_unique<JetThrottle>(JetThrottle{0.5f});
  jet.body->spin[0].roomUp = 500.0f;
  jet.body->spin[0].roomDown = -500.0f;
  const Pose heading = before.pose;

  write("dart.zsf", craft.substr(0, craft.find("80 80 80")) + "20 90 20" +
                        craft.substr(craft.find("80 80 80") + 8));
  reloadSceneFile(view, path, {});
  const Identity& after = *view.model.scene;
  ASSERT_NE(&after, &before);
  EXPECT_FLOAT_EQ(after.nodes->shape->diffuse[0], 0.2f) << "the new colour";
  EXPECT_EQ(after.motion.velocity, (Vec3{40.0f, 0.0f, -5.0f}));
  EXPECT_EQ(after.motion.angularVelocity, (Vec3{0.0f, 12.0f, 0.0f}));
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(after.pose.tangent[i], heading.tangent[i], 1e-6);
    EXPECT_NEAR(after.nodes->pose->tangent[i], heading.tangent[i], 1e-6) << "parts turn along";
  }
  const SceneNode& engine = *after.nodes->next;
  EXPECT_EQ(engine.throttle->level, 0.5f);
  EXPECT_EQ(engine.body->spin[0].roomDown, -500.0f);

  write("dart.zsf", craft.substr(0, craft.size() - 5));
  reloadSceneFile(view, path, {});
  EXPECT_EQ(view.model.scene.get(), &after);
  EXPECT_EQ(view.news.back(), "Kept DART: dart.zsf ends before *END (still being written?)");
}

// A wing swept 20 degrees with its wingtip cannon, reloaded from a file that lost the fin: the
// wing and the part it carries stay swept, and the fin is told as dropped.
TEST_F(Reload, AReloadKeepsThePartsTravelAndTellsWhatTheFileDropped) {
  const std::string wing =
      "10 swing\nwings\nname=SWING\npos=0 0 0\n*QUAD\nname=wing\nchilds=1\ndif=80 80 80 100\n"
      "pos=0 0 -1\ntang=1 0 0\nnorm=0 1 0\npivot=0 0 -1\ncontrolry=390 391 25 -0.5 30.5 0\n"
      "verts=1 0 0 -1 0 -4 -2 0 -4\n*LASERCANNON\nname=tip\npos=-1 0 -4\ntang=1 0 0\n"
      "norm=0 1 0\n";
  const std::string fin =
      "*QUAD\nname=fin\ndif=80 80 80 100\npos=0 0 0\ntang=1 0 0\nnorm=0 1 0\n"
      "verts=0 0 0 1 0 0 1 1 0\n";
  const std::string path = write("swing.zsf", wing + fin + "*END\n");
  ASSERT_TRUE(addSceneFile(view, path, {}));
  Identity& before = *view.model.scene;
  setKey(before.keys, 390, 1);
  for (int i = 0; i < 20; ++i) stepNodes(view.model, before, before.nodes.get(), &before.pose);
  const Pose swept = *before.nodes->pose;
  const Pose tip = *before.nodes->next->pose;
  const float roomUp = before.nodes->body->rotation[1].roomUp;  // `before` goes with the reload
  ASSERT_GT(std::abs(swept.tangent[2]), 0.3f) << "the wing has turned";

  write("swing.zsf", wing + "*END\n");
  reloadSceneFile(view, path, {});
  const Identity& after = *view.model.scene;
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(after.nodes->pose->tangent[i], swept.tangent[i], 1e-5);
    EXPECT_NEAR(after.nodes->next->pose->position[i], tip.position[i], 1e-5);
  }
  EXPECT_EQ(after.nodes->body->rotation[1].roomUp, roomUp);
  EXPECT_TRUE(view.news.back().ends_with("; the file no longer has fin")) << view.news.back();
}

// A bitmap and a sample edited on disk are read again at the next reload (the bitmap's image
// counts a new revision for the renderer); the sample keeps one slot, the old one freed.
TEST_F(Reload, AReloadRereadsTheBitmapsAndSamplesThatChangedOnDisk) {
  test::BitmapFile bitmap;
  bitmap.width = 2;
  bitmap.height = 2;
  bitmap.pixels.assign(16, 0x20);
  const auto writeBytes = [&](const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(dir / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    fs::last_write_time(dir / name, fs::last_write_time(dir / name) + std::chrono::seconds(5));
  };
  writeBytes("skin.bmp", bitmap.bytes());
  writeBytes("boom.wav", {1, 2, 3});
  const std::string path = write(
      "skin.zsf",
      "10 skin\ntextured\nname=SKIN\nsound=boom.wav\n*QUAD\ndif=80 80 80 100\n"
      "texture=skin.bmp-1\npos=0 0 0\ntang=1 0 0\nnorm=0 1 0\nverts=0 0 0 1 0 0 1 1 0\n*END\n");
  ASSERT_TRUE(addSceneFile(view, path, {}));
  reloadSceneFile(view, path, {});
  ASSERT_EQ(view.textures.entries().size(), 1u);
  EXPECT_EQ(view.textures.entries()[0].revision, 0u) << "nothing changed yet";
  EXPECT_EQ(calls.loaded.size(), 1u);

  bitmap.pixels.assign(16, 0xe0);
  writeBytes("skin.bmp", bitmap.bytes());
  writeBytes("boom.wav", {4, 5, 6});
  reloadSceneFile(view, path, {});
  const TextureEntry& texture = view.textures.entries()[0];
  EXPECT_EQ(texture.revision, 1u);
  EXPECT_EQ(texture.rgbPixels[0], 0xe0);
  EXPECT_EQ(calls.loaded.size(), 2u);
  EXPECT_EQ(calls.freed, (std::vector<int>{1}));
  EXPECT_EQ(view.sounds.entries().size(), 1u);
  EXPECT_EQ(view.sounds.entries().begin()->second.sampleSlot, 1) << "the new sample's slot";
  EXPECT_TRUE(view.news.back().starts_with("Reloaded SKIN from skin.zsf"));
  EXPECT_EQ(view.news.end()[-2], "Reread skin.bmp");
}

// A watched file replaced by a named pipe is told, not waited on.
TEST_F(Reload, AFileReplacedByAPipeIsKeptAndAPipeIsNotAdded) {
  const std::string path = write("loud.zsf", kLoudCraft);
  ASSERT_TRUE(addSceneFile(view, path, {}));
  fs::remove(path);
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  reloadSceneFile(view, path, {});
  EXPECT_EQ(view.news.back(), "Kept LOUD: loud.zsf is a named pipe, not a file");
  EXPECT_FALSE(addSceneFile(view, path, {}));
  EXPECT_EQ(view.news.back(),
            "Cannot read loud.zsf as a scene file: it is a named pipe, not a file");
}

TEST_F(Reload, AFullSoundTableIsToldAsTheScenesNotBlamedOnTheFile) {
  std::string many = "10 many\nsounds\nname=MANY\n";
  for (int i = 0; i <= SoundTable::kSlotCount + 1; ++i) {
    many += "*JET\nsound=" + std::to_string(i) + ".wav\n";
  }
  const std::string path = write("many.zsf", many + "*END\n");
  ASSERT_TRUE(addSceneFile(view, path, {}));
  EXPECT_EQ(view.news.back(),
            "Added MANY from many.zsf: the scene names more than 100 sounds; many.zsf:205 and 1 "
            "more are silent");
}

}  // namespace
}  // namespace vev
