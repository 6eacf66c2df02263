#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>

#include "app/cli/key_script.h"
#include "app/commands.h"
#include "app/demo_scene.h"
#include "app/frame.h"
#include "app/game_step.h"
#include "app/scene_json.h"
#include "render/offscreen/offscreen_context.h"
#include "render/viewport.h"
#include "sound/silent_sound_library.h"
#include "tests/cli/scene_tool.h"

namespace {

namespace fs = std::filesystem;
using vev::test::parseJson;
using vev::test::readFile;
using vev::test::runScene;
using vev::test::SceneRun;
using vev::test::ScratchFolder;

const std::string kFight = "tests/data/sim/hawk.zsf tests/data/sim/drone.zsf";

QJsonObject identityNamed(const QJsonObject& root, const QString& name) {
  for (const QJsonValue& identity : root["identities"].toArray()) {
    if (identity.toObject()["name"].toString() == name) return identity.toObject();
  }
  return {};
}

TEST(KeyScript, ReadsEventsInFrameOrderAndNamesTheFirstBadLine) {
  const ScratchFolder folder("keys");
  std::ofstream(folder.path / "good.keys")
      << "# fire, then stop\n5 down 32\r\n\n2 down 84\n5 up 84\n";
  std::string error;
  const auto events = vev::readKeyScript((folder.path / "good.keys").string(), error);
  ASSERT_TRUE(events) << error;
  ASSERT_EQ(events->size(), 3u);
  EXPECT_EQ((*events)[0].frame, 2);
  EXPECT_EQ((*events)[0].key, 84);
  EXPECT_TRUE((*events)[1].down);
  EXPECT_EQ((*events)[1].key, 32);
  EXPECT_FALSE((*events)[2].down);

  for (const char* bad : {"5 press 32\n", "5 down 400\n", "0 down 32\n", "5 down\n", "x down 3\n",
                          "5 down 32 extra\n"}) {
    std::ofstream(folder.path / "bad.keys") << "1 down 32\n" << bad;
    EXPECT_FALSE(vev::readKeyScript((folder.path / "bad.keys").string(), error)) << bad;
    EXPECT_NE(error.find("bad.keys:2:"), std::string::npos) << error;
  }
  for (const auto& [bad, told] :
       {std::pair{"0 down 16\n", "frame 0 is before the first: frames are counted from 1"},
        std::pair{"7 down 400\n", "key code 400 is no key: key codes run from 1 to 399"},
        std::pair{"7 press 4\n", "expected FRAME down|up KEYCODE"}}) {
    std::ofstream(folder.path / "bad.keys") << bad;
    EXPECT_FALSE(vev::readKeyScript((folder.path / "bad.keys").string(), error));
    EXPECT_EQ(error, (folder.path / "bad.keys").string() + ":1: " + told);
  }
  EXPECT_FALSE(vev::readKeyScript((folder.path / "none.keys").string(), error));
  ASSERT_EQ(mkfifo((folder.path / "pipe.keys").c_str(), 0600), 0);
  EXPECT_FALSE(vev::readKeyScript((folder.path / "pipe.keys").string(), error));
  EXPECT_NE(error.find("pipe.keys: is a named pipe, not a file"), std::string::npos) << error;
}

TEST(RunCommand, AScriptedFightDestroysTheTargetAndWritesTheFinalState) {
  const ScratchFolder folder("run_fight");
  std::ofstream(folder.path / "fire.keys") << "1 down 32\n";
  const fs::path json = folder.path / "end.json";
  const SceneRun run =
      runScene("run " + kFight + " --frames 40 --keys '" + (folder.path / "fire.keys").string() +
               "' --json '" + json.string() + "'");
  ASSERT_EQ(run.status, 0) << run.err;
  const QJsonObject root = parseJson(readFile(json));
  EXPECT_EQ(root["frame"].toInt(), 40);
  const QJsonObject drone = identityNamed(root, "Drone");
  EXPECT_EQ(drone["alive"].toInt(), 0);
  EXPECT_EQ(drone["damage"].toObject()["destroyed"].toInt(), 1);
  EXPECT_EQ(identityNamed(root, "Hawk")["keys"].toObject()["32"].toInt(), 1);
}

TEST(RunCommand, TwoRunsWithTheSameArgumentsWriteIdenticalJson) {
  const ScratchFolder folder("run_twice");
  std::ofstream(folder.path / "keys") << "1 down 32\n1 down 84\n30 up 32\n60 down 83\n";
  std::string outputs[2];
  for (std::string& output : outputs) {
    const fs::path json = folder.path / "state.json";
    const SceneRun run =
        runScene("run " + kFight +
                 " tests/data/render/fleet-craft.zsf "
                 "--frames 500 --keys '" +
                 (folder.path / "keys").string() + "' --json '" + json.string() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    output = readFile(json);
  }
  EXPECT_FALSE(outputs[0].empty());
  EXPECT_EQ(outputs[0], outputs[1]);
}

// A turn channel of rate 25 degrees per second with one degree of room down, driven by key
// scripts as the window's keys drive it.
class ScriptedTurn : public ::testing::Test {
 protected:
  ScriptedTurn() : folder_("run_turn") {
    std::ofstream(folder_.path / "turn.zsf")
        << "10 turn\na craft turned by the arrows\nname=TURN\npos=0 0 0\ntang=1 0 0\n"
           "norm=0 1 0\ncontrolrz=38 40 25 -1 10 0\n*QUAD\nname=hull\npos=0 0 0\n"
           "tang=1 0 0\nnorm=0 1 0\nverts=0 0 0 1 0 0 1 0 1\n*END\n";
  }

  // The turned craft after the script, as the final JSON has it.
  QJsonObject turnedBy(const std::string& script) {
    std::ofstream(folder_.path / "keys") << script;
    const fs::path json = folder_.path / "state.json";
    const SceneRun run =
        runScene("run '" + (folder_.path / "turn.zsf").string() + "' --frames 3 --keys '" +
                 (folder_.path / "keys").string() + "' --json '" + json.string() + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    return identityNamed(parseJson(readFile(json)), "TURN");
  }

  ScratchFolder folder_;
};

TEST_F(ScriptedTurn, OneStepOfTwentyFivePerSecondLandsExactlyOnTheEndOfItsRoom) {
  const QJsonObject turned = turnedBy("1 down 40\n2 up 40\n");
  const QJsonObject channel = turned["body"].toObject()["rotation"].toArray()[2].toObject();
  EXPECT_EQ(channel["roomDown"].toDouble(), 0.0);
  EXPECT_EQ(channel["roomUp"].toDouble(), 11.0);
}

TEST_F(ScriptedTurn, KeypadEightTurnsAsTheUpArrowDoes) {
  const QJsonObject byArrow = turnedBy("1 down 38\n2 up 38\n");
  EXPECT_NE(byArrow["pose"].toObject()["tangent"], QJsonValue(QJsonArray{1, 0, 0}));
  EXPECT_EQ(turnedBy("1 down 104\n2 up 104\n")["pose"], byArrow["pose"]);
}

// The same fight twice, and once more seen from the free camera: the same state, checksum for
// checksum.
TEST(RunCommand, TheAttackPilotFliesTheSameFightTwiceWhateverTheCamera) {
  const ScratchFolder folder("run_attack");
  const std::string args = "run --demo --pilot attack --frames 300 --checksum-every 100";
  std::string outputs[2];
  std::string checksums[2];
  for (int i = 0; i < 2; ++i) {
    const fs::path json = folder.path / "state.json";
    const SceneRun run = runScene(args + " --json '" + json.string() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    outputs[i] = readFile(json);
    checksums[i] = run.out;
  }
  EXPECT_NE(outputs[0].find("\"AMMO\""), std::string::npos) << "the others fired";
  EXPECT_EQ(outputs[0], outputs[1]);
  EXPECT_EQ(checksums[0], checksums[1]);
  EXPECT_NE(checksums[0].find("frame 300 checksum "), std::string::npos) << checksums[0];
  EXPECT_EQ(std::count(checksums[0].begin(), checksums[0].end(), '\n'), 3);
  EXPECT_EQ(runScene(args + " --camera free").out, checksums[0]);
  EXPECT_EQ(runScene("run --demo --pilot bravest --frames 3").status, 2);
}

// A fight recorded headless flies again from its replay to the same checksums; a replay cut
// short, or of a scene that has changed since, is refused with the reason and nothing plays.
TEST(RunCommand, AReplayFliesTheRecordedFightAgainAndRefusesWhatDoesNotFit) {
  const ScratchFolder folder("run_replay");
  const fs::path replay = folder.path / "fight.vrp";
  const SceneRun recorded = runScene(
      "run --demo --pilot attack --frames 120 --keys '" + std::string(VEV_SOURCE_DIR) +
      "/tests/data/cli/fight.keys' --checksum-every 40 --record '" + replay.string() + "'");
  ASSERT_EQ(recorded.status, 0) << recorded.err;
  const SceneRun replayed = runScene("run --replay '" + replay.string() + "' --checksum-every 40");
  EXPECT_EQ(replayed.status, 0) << replayed.err;
  EXPECT_EQ(replayed.out, recorded.out);

  const std::string bytes = readFile(replay);
  std::ofstream(folder.path / "cut.vrp", std::ios::binary) << bytes.substr(0, bytes.size() / 2);
  const SceneRun cut = runScene("run --replay '" + (folder.path / "cut.vrp").string() + "'");
  EXPECT_EQ(cut.status, 1);
  EXPECT_NE(cut.err.find("cut short"), std::string::npos) << cut.err;
  EXPECT_EQ(cut.out, "");

  fs::copy(fs::path(VEV_SOURCE_DIR) / "sw", folder.path / "sw");
  std::ofstream(folder.path / "sw" / "cruiser.ssp.zsf", std::ios::app) << "\n";
  const SceneRun changed = runScene("run --replay '" + replay.string() + "'", folder.path);
  EXPECT_EQ(changed.status, 1);
  EXPECT_NE(changed.err.find("sw/cruiser.ssp.zsf differs"), std::string::npos) << changed.err;
}

TEST(RunCommand, TheDemonstrationAwayFromItsFolderIsRefusedWithTheReason) {
  const ScratchFolder folder("run_nowhere");
  for (const std::string command :
       {"run --demo --frames 3 --png-every 1 --png-prefix f --json state.json", "bench --demo"}) {
    const SceneRun run = runScene(command, folder.path);
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_NE(run.err.find("no sw/ folder here"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << command;
  }
  EXPECT_TRUE(fs::is_empty(folder.path)) << "nothing is flown, so nothing is written";
}

TEST(RunCommand, WritesEveryKthFrameAsAPicture) {
  const ScratchFolder folder("run_png");
  const SceneRun run = runScene("run " + kFight + " --frames 5 --png-every 2 --png-prefix '" +
                                (folder.path / "f").string() + "'");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::exists(folder.path / "f000002.png"));
  EXPECT_TRUE(fs::exists(folder.path / "f000004.png"));
  EXPECT_FALSE(fs::exists(folder.path / "f000001.png"));
  EXPECT_EQ(readFile(folder.path / "f000002.png").substr(1, 3), "PNG");
}

TEST(RunCommand, RefusesIncompleteArguments) {
  for (const std::string& args :
       {std::string("run --frames 5"), "run " + kFight,
        "run " + kFight + " --frames 5 --png-every 2", "run " + kFight + " --frames zero",
        "run " + kFight + " --frames 5 --keys"}) {
    const SceneRun run = runScene(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_NE(run.err.find("usage"), std::string::npos) << args;
  }
}

TEST(SceneTool, HelpAndVersionPrintOnStandardOutputAndSucceed) {
  for (const char* args : {"--help", "-h", "check --help", "run -h", "run --demo --help",
                           "render --help", "bench -h", "dump --help"}) {
    const SceneRun run = runScene(args);
    EXPECT_EQ(run.status, 0) << args << run.err;
    EXPECT_EQ(run.out.rfind("usage: vev-scene", 0), 0u) << args << run.out;
  }
  EXPECT_NE(runScene("run --help").out.find("--frames N"), std::string::npos);
  const SceneRun version = runScene("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("vev-scene ", 0), 0u) << version.out;
  EXPECT_EQ(runScene("fly").status, 2) << "an unknown command";
}

// A craft whose node 0 is a camera behind it, and a jet that takes it 280 m ahead in 60 frames.
constexpr const char* kRunner =
    "10 runner\na craft that flies away\nname=RUNNER\npos=0 0 0\n"
    "*CAMERA\nname=eye\npos=-10 0 0\ntang=1 0 0\nnorm=0 1 0\nzoom=45\n"
    "*QUAD\nname=face\ndif=100 0 0 100\npos=0 0 0\ntang=0 0 1\nnorm=0 1 0\n"
    "verts=-3 -3 0 3 -3 0 3 3 0 -3 3 0\n"
    "*JET\nname=engine\npos=-1 0 0\ntang=-1 0 0\nnorm=0 1 0\nmaxthrust=100000\n"
    "controlox=84 66 100000 0 100001 0\n*END\n";

TEST(RunCommand, ANodeCameraKeepsAFleeingCraftInViewWhereTheFreeCameraLosesIt) {
  const ScratchFolder folder("run_camera");
  std::ofstream(folder.path / "runner.zsf") << kRunner;
  std::ofstream(folder.path / "keys") << "1 down 84\n";
  const auto lastPictureLit = [&folder](const std::string& camera) {
    const std::string pictures = "--png-every 60 --png-prefix " + camera + "- ";
    const SceneRun run = runScene(
        "run runner.zsf --frames 60 --keys keys " + pictures + "--camera " + camera, folder.path);
    EXPECT_EQ(run.status, 0) << run.err;
    return vev::test::countPixels((folder.path / (camera + "-000060.png")).string(), 800, 600,
                                  [](int r, int g, int b) { return r + g + b > 0; });
  };
  EXPECT_GT(lastPictureLit("0"), 100000);
  EXPECT_LT(lastPictureLit("free"), 1000);
  EXPECT_EQ(runScene("run runner.zsf --frames 1 --camera 3", folder.path).status, 1);
}

// An author's own craft, its camera second: alone it is flown through that camera; with --fly it
// takes the player's place beside the demonstration's M-BIRD, which the pilot then flies.
TEST(RunCommand, AnAuthorFliesTheirOwnCraftAloneOrInTheDemonstration) {
  const ScratchFolder folder("run_own");
  const std::string mine = folder.path / "mine.zsf";
  std::ofstream(mine) << "10 mine\nmy craft\nname=MINE\npos=0 0 0\n"
                         "*QUAD\nname=hull\ndif=100 0 0 100\npos=0 0 0\ntang=1 0 0\nnorm=0 1 0\n"
                         "verts=-3 0 -3 3 0 0 -3 0 3\n"
                         "*CAMERA\nname=eye\npos=1 1 0\ntang=1 0 0\nnorm=0 1 0\nzoom=45\n*END\n";
  std::ofstream(folder.path / "empty.zsf") << "10 empty\nno part\nname=NONE\n*END\n";
  const fs::path json = folder.path / "state.json";
  const auto state = [&json](const std::string& args) {
    const SceneRun run = runScene("run " + args + " --json '" + json.string() + "'");
    EXPECT_EQ(run.status, 0) << args << run.err;
    return std::make_pair(parseJson(readFile(json)), run.err);
  };
  const QJsonObject camera{{"identity", 0}, {"node", 1}};
  EXPECT_EQ(state(mine + " --frames 1").first["camera"].toObject(), camera);

  const auto [flown, told] = state("--demo --fly " + mine + " --frames 25");
  const QJsonArray identities = flown["identities"].toArray();
  const int last = static_cast<int>(identities.size()) - 1;
  EXPECT_EQ(identities[last]["name"].toString(), "MINE");
  EXPECT_EQ(flown["controlled"].toInt(), last);
  EXPECT_EQ(flown["camera"].toObject(), (QJsonObject{{"identity", last}, {"node", 1}}));
  EXPECT_FALSE(identities[0]["keys"].toObject().isEmpty()) << "the pilot flies the M-BIRD";
  const auto position = [&identities](int i) {
    return identities[i]["pose"]["position"].toArray();
  };
  const auto apart = [&position, last](int i) {
    return std::hypot(position(i)[0].toDouble() - position(last)[0].toDouble(),
                      position(i)[1].toDouble() - position(last)[1].toDouble(),
                      position(i)[2].toDouble() - position(last)[2].toDouble());
  };
  for (int i = 0; i < last; ++i) {
    if (!identities[i]["damage"].isNull()) {
      EXPECT_GT(apart(i), 25.0) << i;
    }
  }
  EXPECT_LT(apart(0), 50.0) << "beside the M-BIRD, not beyond the fleet";

  const auto [unchanged, refused] =
      state("--demo --fly '" + (folder.path / "empty.zsf").string() + "' --frames 1");
  EXPECT_EQ(unchanged["controlled"].toInt(), 0);
  EXPECT_NE(refused.find("Cannot fly empty.zsf: it holds no craft"), std::string::npos) << refused;
  const std::string missing =
      state("--demo --fly '" + (folder.path / "missing.zsf").string() + "' --frames 1").second;
  EXPECT_NE(missing.find("Cannot fly missing.zsf: it does not exist"), std::string::npos)
      << missing;
}

TEST(RunCommand, TheDemoWithAFileIsTheDemoWithTheFileAddedByTheToolbar) {
  const ScratchFolder folder("run_demo_file");
  const std::string file = "tests/data/sim/drone.zsf";
  const fs::path json = folder.path / "state.json";
  const SceneRun run =
      runScene("run --demo " + file + " --frames 1 --json '" + json.string() + "'");
  ASSERT_EQ(run.status, 0) << run.err;

  // The same frame in this process, from the source directory where the demonstration's sw/ is.
  const fs::path working = fs::current_path();
  fs::current_path(VEV_SOURCE_DIR);
  const auto ignore = [](const std::string&) {};
  const auto context = vev::OffscreenContext::create(800, 600);
  vev::ViewState view(std::make_unique<vev::SilentSoundLibrary>());
  vev::SceneAssets assets = view.assets(ignore);
  vev::loadDemoScene(view.model, assets);
  ASSERT_TRUE(vev::addSceneFile(view, file, ignore));
  vev::resize(view.viewport, 800, 600);
  vev::runFrame(view, vev::takeFrameInputs(view), [] {});
  fs::current_path(working);
  EXPECT_EQ(vev::sceneJson(view.model, view.textures, view.sounds, 1), readFile(json));
}

TEST(BenchCommand, PrintsEveryStageWithMedianAndPercentile) {
  const SceneRun run = runScene("bench " + kFight + " --frames 30 --craft 2 --shots 5");
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* stage : {"rebuild", "dynamics", "collisions", "draw", "raw draw", "controls",
                            "sweep", "whole frame"}) {
    EXPECT_NE(run.out.find(stage), std::string::npos) << stage;
  }
  // Hawk and drone, a copy of each, and the five shots kept in flight.
  EXPECT_NE(run.out.find("9 identities, 5 shots"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("peak memory: "), std::string::npos) << run.out;
}

}  // namespace
