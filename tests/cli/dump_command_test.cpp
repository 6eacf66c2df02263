#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/cli/scene_tool.h"

namespace {

namespace fs = std::filesystem;
using vev::test::parseJson;
using vev::test::runScene;
using vev::test::SceneRun;
using vev::test::ScratchFolder;

// Numbers are printed so that they read back as the same float.
std::vector<float> numbers(const QJsonValue& value) {
  std::vector<float> out;
  for (const QJsonValue& item : value.toArray()) out.push_back(static_cast<float>(item.toDouble()));
  return out;
}

TEST(DumpCommand, PrintsTheCraftWithItsPartTreeAndSlots) {
  const SceneRun run = runScene("dump tests/data/cli/example-craft.zsf");
  ASSERT_EQ(run.status, 0) << run.err;
  const QJsonObject root = parseJson(run.out);
  const QJsonArray identities = root["identities"].toArray();
  ASSERT_EQ(identities.size(), 1);
  const QJsonObject craft = identities[0].toObject();
  EXPECT_EQ(craft["name"].toString(), "EXAMPLE");
  EXPECT_EQ(craft["directory"].toString(), "tests/data/cli/");
  EXPECT_EQ(craft["damage"].toObject()["strength"].toInt(), 100);
  EXPECT_EQ(craft["damage"].toObject()["removal"].toInt(), 1);
  const QJsonObject pitch = craft["body"].toObject()["rotation"].toArray()[0].toObject();
  EXPECT_EQ(pitch["increaseKey"].toInt(), 38);
  EXPECT_EQ(pitch["decreaseKey"].toInt(), 40);
  EXPECT_EQ(pitch["rate"].toDouble(), 45);
  EXPECT_EQ(pitch["roomUp"].toDouble(), 1000);
  EXPECT_EQ(pitch["roomDown"].toDouble(), -1000);
  EXPECT_EQ(pitch["unlimited"].toInt(), 1);

  const QJsonArray nodes = craft["nodes"].toArray();
  ASSERT_EQ(nodes.size(), 4);
  const QJsonObject hull = nodes[0].toObject();
  EXPECT_EQ(hull["kind"].toString(), "QUAD");
  EXPECT_EQ(hull["childCount"].toInt(), 2);
  EXPECT_EQ(hull["firstChild"].toInt(), 1);
  EXPECT_EQ(hull["sibling"].toInt(), 3);
  EXPECT_EQ(numbers(hull["shape"].toObject()["diffuse"]),
            (std::vector<float>{70 * 0.01f, 70 * 0.01f, 80 * 0.01f, 100 * 0.01f}));
  EXPECT_EQ(hull["vertices"].toArray().size(), 4);
  EXPECT_EQ(nodes[1].toObject()["kind"].toString(), "JET");
  EXPECT_EQ(nodes[1].toObject()["sibling"].toInt(), 2);
  EXPECT_EQ(numbers(nodes[1].toObject()["params"]), (std::vector<float>{1000, 0.5, 3}));
  const QJsonObject gun = nodes[2].toObject();
  EXPECT_EQ(gun["body"].toObject()["fireKey"].toInt(), 32);
  EXPECT_EQ(numbers(gun["params"]), (std::vector<float>{10, 300, 2, 1000, 0, 0}));
  EXPECT_EQ(gun["pose"].toObject()["collision"].toInt(), 0);
  EXPECT_TRUE(gun["sibling"].isNull());
  const QJsonObject camera = nodes[3].toObject();
  EXPECT_EQ(camera["kind"].toString(), "CAMERA");
  EXPECT_EQ(camera["pose"].toObject()["zoom"].toDouble(), 60);
  EXPECT_TRUE(camera["sibling"].isNull());
  for (const QJsonValue& node : nodes) EXPECT_EQ(node.toObject()["dirty"].toInt(), 1);
}

TEST(DumpCommand, IsTheSameOnEveryRun) {
  const SceneRun first = runScene("dump tests/data/cli/example-craft.zsf tests/data/craft.zsf");
  const SceneRun second = runScene("dump tests/data/cli/example-craft.zsf tests/data/craft.zsf");
  ASSERT_EQ(first.status, 0);
  EXPECT_EQ(first.out, second.out);
}

TEST(DumpCommand, AMissingFileIsNamedAndTheOthersAreStillDumped) {
  const SceneRun run = runScene(
      "dump tests/data/cli/example-craft.zsf no/such/file.zsf tests/data/cli/example-craft.zsf");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("no/such/file.zsf"), std::string::npos) << run.err;
  EXPECT_EQ(parseJson(run.out)["identities"].toArray().size(), 2);
}

TEST(DumpCommand, UnreadableTexturesAndSoundsAreListedAndReported) {
  const ScratchFolder folder("cli_assets");
  std::ofstream(folder.path / "assets.zsf")
      << "10\nassets\nname=ASSETS\nsound=missing.wav\n"
         "*QUAD\ntexture=missing.bmp-1\n*QUAD\ntexture=missing.bmp-2\n"
         "*END\n";
  const SceneRun run = runScene("dump assets.zsf", folder.path);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("Could Not read texture"), std::string::npos);
  EXPECT_EQ(run.err.find("missing.bmp"), run.err.rfind("missing.bmp")) << "reported once";
  const QJsonObject root = parseJson(run.out);
  const QJsonArray textures = root["textures"].toArray();
  ASSERT_EQ(textures.size(), 1);
  EXPECT_EQ(textures[0].toObject()["path"].toString(), "missing.bmp");
  EXPECT_FALSE(textures[0].toObject()["loaded"].toBool());
  const QJsonArray sounds = root["sounds"].toArray();
  ASSERT_EQ(sounds.size(), 1);
  EXPECT_EQ(sounds[0].toObject()["sampleSlot"].toInt(), -1);
  const QJsonObject ref = root["identities"].toArray()[0].toObject()["sound"].toObject();
  EXPECT_EQ(ref["entry"].toInt(), sounds[0].toObject()["entry"].toInt());
  EXPECT_EQ(ref["path"].toString(), "missing.wav");
}

TEST(DumpCommand, WithoutFilesShowsUsage) {
  const SceneRun run = runScene("dump");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("usage"), std::string::npos);
}

}  // namespace
