#include "scenefile/loader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/scenefile/bitmap_files.h"
#include "tests/scenefile/scene_test_support.h"

namespace vev {
namespace {

using testing::RecordedAssets;
using testing::TextFile;
using testing::writeTextFile;
using std::string_literals::operator""s;

// Two header lines and an identity header, followed by a test's sections.
const std::string kHead = "10 test scene\nsecond line\nname=test\n";

std::string dataFile(const std::string& name) {
  return std::string(VEV_SOURCE_DIR) + "/tests/data/" + name;
}

std::vector<SceneNode*> nodeList(const Identity& identity) {
  std::vector<SceneNode*> nodes;
  for (SceneNode* node = identity.nodes.get(); node; node = node->next.get()) nodes.push_back(node);
  return nodes;
}

std::vector<std::string> namesOf(const std::vector<SceneNode*>& nodes) {
  std::vector<std::string> names;
  for (const SceneNode* node : nodes) names.push_back(node->name);
  return names;
}

std::vector<std::string> kindsOf(const std::vector<SceneNode*>& nodes) {
  std::vector<std::string> kinds;
  for (const SceneNode* node : nodes) kinds.push_back(node->kind);
  return kinds;
}

std::vector<int> childCounts(const std::vector<SceneNode*>& nodes) {
  std::vector<int> counts;
  for (const SceneNode* node : nodes) counts.push_back(node->childCount);
  return counts;
}

class SceneLoader : public ::testing::Test {
 protected:
  bool load(const std::string& path) { return loadSceneFile(path, model, recorded.assets); }

  // Loads `text` as the content of a file named `path`; returns the Identity it added.
  Identity& loadText(const std::string& text, const std::string& path = "scene.zsf") {
    TextFile file(text);
    EXPECT_TRUE(loadSceneStream(file.get(), path, model, recorded.assets));
    return *lastIdentity(model.scene.get());
  }

  RecordedAssets recorded;
  ModelState model;
};

TEST_F(SceneLoader, WorkedExampleCraft) {
  ASSERT_TRUE(load(dataFile("craft.zsf")));
  ASSERT_TRUE(model.scene);
  const Identity& craft = *model.scene;
  EXPECT_EQ(craft.name, "Falcon");
  EXPECT_EQ(craft.directory, dataFile(""));
  EXPECT_EQ(craft.body.rotation[0].increaseKey, 38);
  EXPECT_FLOAT_EQ(craft.body.rotation[0].rate, 45.0f);
  ASSERT_TRUE(craft.damage);
  EXPECT_EQ(craft.damage->removal, 1);

  const std::vector<SceneNode*> nodes = nodeList(craft);
  ASSERT_EQ(kindsOf(nodes), (std::vector<std::string>{"QUAD", "JET", "LASERCANNON", "CAMERA"}));
  SceneNode& hull = *nodes[0];
  EXPECT_EQ(hull.name, "hull");
  EXPECT_EQ(hull.firstChild, nodes[1]);
  EXPECT_EQ(nodes[1]->sibling, nodes[2]);
  EXPECT_EQ(nodes[2]->sibling, nullptr);
  EXPECT_EQ(hull.sibling, nodes[3]);
  EXPECT_EQ(nodes[3]->sibling, nullptr);
  EXPECT_EQ(childCounts(nodes), (std::vector<int>{2, 0, 0, 0}));
  for (const SceneNode* node : nodes) {
    EXPECT_EQ(node->active, 1);
    EXPECT_EQ(node->dirty, 1);
    EXPECT_EQ(node->hits, 0);
  }
  EXPECT_EQ(hull.vertices.size(), 4u);
  EXPECT_EQ(nodes[1]->pose->binormal, (Vec3{1, 0, 0}));
  ASSERT_TRUE(nodes[1]->sound);
  EXPECT_EQ(nodes[1]->sound->path, dataFile("engine.wav"));
  EXPECT_EQ(nodes[2]->pose->collision, 0);
  EXPECT_EQ(nodes[2]->body->fireKey, 32);
  EXPECT_FLOAT_EQ(nodes[3]->pose->zoom, 45.0f);
  EXPECT_EQ(model.frameReady, 1);
}

TEST_F(SceneLoader, EachNodeGoesUnderTheEarliestNodeStillAwaitingChildren) {
  ASSERT_TRUE(load(dataFile("part_tree.zsf")));
  const std::vector<SceneNode*> n = nodeList(*model.scene);
  ASSERT_EQ(namesOf(n), (std::vector<std::string>{"N1", "N2", "N3", "N4", "N5"}));
  EXPECT_EQ(n[0]->firstChild, n[1]);
  EXPECT_EQ(n[1]->sibling, n[2]);
  EXPECT_EQ(n[1]->firstChild, n[3]);
  EXPECT_EQ(n[2]->firstChild, nullptr);
  EXPECT_EQ(n[0]->sibling, n[4]);
  EXPECT_EQ(childCounts(n), (std::vector<int>{2, 1, 0, 0, 0}));
}

TEST_F(SceneLoader, GrandchildOfTheSecondChild) {
  const Identity& identity =
      loadText(kHead +
               "*QUAD\nname=N1\nchilds=2\n*QUAD\nname=N2\n*QUAD\nname=N3\nchilds=1\n"
               "*QUAD\nname=N4\n*QUAD\nname=N5\n*END\n");
  const std::vector<SceneNode*> n = nodeList(identity);
  ASSERT_EQ(n.size(), 5u);
  EXPECT_EQ(n[0]->firstChild, n[1]);
  EXPECT_EQ(n[1]->sibling, n[2]);
  EXPECT_EQ(n[2]->firstChild, n[3]);
  EXPECT_EQ(n[0]->sibling, n[4]);
  EXPECT_EQ(n[4]->sibling, nullptr);
  EXPECT_EQ(childCounts(n), (std::vector<int>{2, 0, 1, 0, 0}));
  for (const SceneNode* node : n) EXPECT_EQ(node->dirty, 1);
}

TEST_F(SceneLoader, HeaderFollowedByEndGivesNoNodes) {
  const Identity& identity = loadText(kHead + "*END\n");
  EXPECT_EQ(identity.name, "test");
  EXPECT_EQ(identity.nodes, nullptr);
}

TEST_F(SceneLoader, UnknownAndLowerCaseSectionsKeepAnEmptyNode) {
  const Identity& identity =
      loadText(kHead + "*quad\npos=1 2 3\n*FOO\nname=x\n*QUAD \nname=y\n*QUAD\nname=real\n*END\n");
  const std::vector<SceneNode*> nodes = nodeList(identity);
  ASSERT_EQ(kindsOf(nodes), (std::vector<std::string>{"quad", "FOO", "QUAD ", "QUAD"}));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(nodes[i]->name, "");
    EXPECT_FALSE(nodes[i]->pose);
    EXPECT_EQ(nodes[i]->active, 1);
  }
  EXPECT_EQ(nodes[3]->name, "real");
  EXPECT_EQ(nodes[0]->sibling, nodes[1]);
}

TEST_F(SceneLoader, StarAloneOnItsLineSkipsTheSectionAfterIt) {
  const Identity& identity =
      loadText(kHead + "*QUAD\nname=a\n*\nJET\nname=lost\n*CAMERA\nname=c\n*END\n");
  const std::vector<SceneNode*> nodes = nodeList(identity);
  ASSERT_EQ(kindsOf(nodes), (std::vector<std::string>{"QUAD", "", "CAMERA"}));
  EXPECT_EQ(namesOf(nodes), (std::vector<std::string>{"a", "", "c"}));
}

TEST_F(SceneLoader, ShortFirstLineMakesTheHeaderLinesRunALineLate) {
  const Identity& identity = loadText("1\nsecond line\nname=skipped\nname=kept\n*END\n");
  EXPECT_EQ(identity.name, "kept");
}

TEST_F(SceneLoader, CrLfFileLoadsAsItsLfTwin) {
  std::string text = kHead + "*QUAD\nname=hull\nchilds=1\npos=1 2 3\n*CAMERA\nzoom=9\n*END\n";
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const Identity& identity = loadText(crlf);
  EXPECT_EQ(identity.name, "test");
  const std::vector<SceneNode*> nodes = nodeList(identity);
  ASSERT_EQ(kindsOf(nodes), (std::vector<std::string>{"QUAD", "CAMERA"}));
  EXPECT_EQ(nodes[0]->name, "hull");
  EXPECT_EQ(nodes[0]->pose->position, (Vec3{1, 2, 3}));
  EXPECT_EQ(nodes[0]->firstChild, nodes[1]);
}

TEST_F(SceneLoader, FileWithoutEndKeepsWhatWasRead) {
  const Identity& identity = loadText(kHead + "*QUAD\nname=a\n*JET\npos=1 2");
  const std::vector<SceneNode*> nodes = nodeList(identity);
  ASSERT_EQ(kindsOf(nodes), (std::vector<std::string>{"QUAD", "JET"}));
  EXPECT_EQ(nodes[1]->pose->position, (Vec3{1, 2, 0}));
  EXPECT_EQ(nodes[0]->sibling, nodes[1]);
  EXPECT_EQ(nodes[1]->sibling, nullptr);
  EXPECT_EQ(model.frameReady, 1);
}

TEST_F(SceneLoader, FileEndingInsideTheHeaderKeepsTheIdentity) {
  const Identity& identity = loadText("10 x\ny\nname=half");
  EXPECT_EQ(identity.name, "half");
  EXPECT_EQ(identity.nodes, nullptr);
}

TEST_F(SceneLoader, ChildCountIsWhatCameWhenFewerFollow) {
  const Identity& identity = loadText(kHead + "*QUAD\nchilds=3\n*JET\n*END\n");
  const std::vector<SceneNode*> nodes = nodeList(identity);
  ASSERT_EQ(nodes.size(), 2u);
  EXPECT_EQ(nodes[0]->firstChild, nodes[1]);
  EXPECT_EQ(nodes[1]->sibling, nullptr);
  EXPECT_EQ(childCounts(nodes), (std::vector<int>{1, 0}));
}

TEST_F(SceneLoader, NegativeChildCountDeclaresNoChildren) {
  const Identity& identity = loadText(kHead + "*QUAD\nchilds=-2\n*JET\n*END\n");
  const std::vector<SceneNode*> nodes = nodeList(identity);
  ASSERT_EQ(nodes.size(), 2u);
  EXPECT_EQ(nodes[0]->firstChild, nullptr);
  EXPECT_EQ(nodes[0]->sibling, nodes[1]);
  EXPECT_EQ(childCounts(nodes), (std::vector<int>{0, 0}));
}

TEST_F(SceneLoader, LongChainOfSingleChildren) {
  std::string text = kHead;
  for (int i = 0; i < 3000; ++i) text += "*QUAD\nchilds=1\n";
  const Identity& identity = loadText(text + "*END\n");
  const std::vector<SceneNode*> nodes = nodeList(identity);
  ASSERT_EQ(nodes.size(), 3000u);
  for (std::size_t i = 0; i + 1 < nodes.size(); ++i) {
    ASSERT_EQ(nodes[i]->firstChild, nodes[i + 1]);
    ASSERT_EQ(nodes[i]->childCount, 1);
  }
  EXPECT_EQ(nodes.back()->childCount, 0);
  EXPECT_EQ(nodes[0]->sibling, nullptr);
}

TEST_F(SceneLoader, NodesArePlacedInTheIdentitysFrame) {
  const Identity& identity = loadText(
      "10 x\ny\npos=10 0 0\n*QUAD\npos=1 2 3\ntang=1 0 0\nnorm=0 1 0\npivot=1 0 0\n*END\n");
  const SceneNode& node = *identity.nodes;
  EXPECT_EQ(node.pose->position, (Vec3{11, 2, 3}));
  EXPECT_EQ(node.body->pivot, (Vec3{11, 0, 0}));
}

TEST_F(SceneLoader, SecondFileIsAppendedToTheSameList) {
  ASSERT_TRUE(load(dataFile("craft.zsf")));
  Identity* head = model.scene.get();
  ASSERT_TRUE(load(dataFile("hud.zsf")));
  EXPECT_EQ(model.scene.get(), head);
  ASSERT_TRUE(head->next);
  EXPECT_EQ(head->next->name, "hud");
  EXPECT_EQ(kindsOf(nodeList(*head->next)).size(), 15u);
}

TEST_F(SceneLoader, MissingFileChangesNothing) {
  ASSERT_TRUE(load(dataFile("craft.zsf")));
  Identity* head = model.scene.get();
  model.frameReady = 7;
  EXPECT_FALSE(load(dataFile("no-such-file.zsf")));
  EXPECT_EQ(model.scene.get(), head);
  EXPECT_EQ(head->next, nullptr);
  EXPECT_EQ(model.frameReady, 7);
  EXPECT_TRUE(recorded.sounds.entries().size() == 1u);
  EXPECT_FALSE(load(std::string(VEV_SOURCE_DIR) + "/tests/data"));
  EXPECT_EQ(head->next, nullptr) << "a directory opens but is no scene file";
}

TEST_F(SceneLoader, FrameIsNotReadyWhileAFileLoads) {
  std::vector<int> readyDuringLoad;
  recorded.assets.onUnreadableTexture = [&](const std::string&) {
    readyDuringLoad.push_back(model.frameReady);
  };
  loadText(kHead + "*QUAD\ntexture=absent.bmp-1\n*END\n");
  EXPECT_EQ(readyDuringLoad, std::vector<int>{0});
  EXPECT_EQ(model.frameReady, 1);
}

class SceneDirectory : public SceneLoader {
 protected:
  SceneDirectory() {
    test::BitmapFile bitmap;
    bitmap.width = 1;
    bitmap.height = 1;
    bitmap.pixels = {10, 20, 30, 0};
    std::filesystem::create_directories(scratch.path() / "sw");
    scratch.write("sw/hull.bmp", bitmap.bytes());
    writeTextFile(scratch.path() / "sw" / "ship.zsf",
                  kHead + "sound=engine.wav\n*QUAD\ntexture=hull.bmp-5\n*END\n");
  }

  test::ScratchDir scratch;
};

TEST_F(SceneDirectory, BackslashPathsResolveTexturesAndSoundsBesideTheFile) {
  const std::string root = scratch.path().string();
  ASSERT_TRUE(load(root + "\\sw\\ship.zsf"));
  EXPECT_EQ(model.scene->directory, root + "\\sw\\");
  ASSERT_EQ(recorded.textures.entries().size(), 1u);
  const TextureEntry& texture = recorded.textures.entries().front();
  EXPECT_EQ(texture.path, root + "\\sw\\hull.bmp");
  EXPECT_TRUE(texture.loaded);
  EXPECT_EQ(model.scene->nodes->shape->texturePath, texture.path);
  EXPECT_EQ(model.scene->sound->path, root + "\\sw\\engine.wav");
  EXPECT_EQ(recorded.loadedSamples, std::vector<std::string>{root + "/sw/engine.wav"});
  EXPECT_TRUE(recorded.unreadableTextures.empty());
}

TEST_F(SceneDirectory, SlashPathsWorkTheSame) {
  const std::string root = scratch.path().string();
  ASSERT_TRUE(load(root + "/sw/ship.zsf"));
  EXPECT_EQ(model.scene->directory, root + "/sw/");
  EXPECT_TRUE(recorded.textures.entries().front().loaded);
}

TEST_F(SceneDirectory, AbsoluteTextureAndSoundPathsAreTakenAsWritten) {
  // A `-` ends a texture's name, so its folder has none.
  const std::filesystem::path elsewhere =
      std::filesystem::temp_directory_path() / ("vevabsolute" + std::to_string(getpid()));
  std::filesystem::create_directories(elsewhere);
  std::filesystem::copy_file(scratch.path() / "sw" / "hull.bmp", elsewhere / "hull.bmp",
                             std::filesystem::copy_options::overwrite_existing);
  const std::string hull = (elsewhere / "hull.bmp").string();
  const std::string engine = (elsewhere / "engine.wav").string();
  writeTextFile(scratch.path() / "sw" / "far.zsf",
                kHead + "sound=" + engine + "\n*QUAD\ntexture=" + hull + "-5\n*END\n");
  const bool loaded = load((scratch.path() / "sw" / "far.zsf").string());
  std::filesystem::remove_all(elsewhere);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(model.scene->nodes->shape->texturePath, hull);
  EXPECT_TRUE(recorded.textures.entries().front().loaded);
  EXPECT_EQ(recorded.loadedSamples, std::vector<std::string>{engine});
}

TEST_F(SceneDirectory, BareFileNameHasAnEmptyDirectory) {
  const Identity& identity = loadText(kHead + "*QUAD\ntexture=hull.bmp-5\n*END\n", "ship.zsf");
  EXPECT_EQ(identity.directory, "");
  EXPECT_EQ(identity.nodes->shape->texturePath, "hull.bmp");
}

// Inputs a damaged or hostile file may hold; each must load without fault and keep reading
// bounded.
class DamagedFiles : public SceneLoader, public ::testing::WithParamInterface<std::string> {};

TEST_P(DamagedFiles, LoadWithoutFault) {
  const Identity& identity = loadText(GetParam());
  EXPECT_LE(identity.name.size(), 99u);
  for (const SceneNode* node : nodeList(identity)) {
    EXPECT_LE(node->kind.size(), 99u);
    EXPECT_LE(node->params.size(), 3u);
    EXPECT_GE(node->childCount, 0);
  }
  EXPECT_EQ(model.frameReady, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DamagedFiles,
    ::testing::Values(std::string(), std::string("*"), std::string("1"), std::string("\n\n*"),
                      std::string("\n\n*QUAD"), kHead + "*QUAD\ntexture=no dash\n",
                      kHead + "*QUAD\nverts=" + std::string(5000, ' '),
                      kHead + "*QUAD\nchilds=32767\n*QUAD\nchilds=99999\n*END\n",
                      kHead + "*HUDLINE\nverts=1 2\n", kHead + "*JET\nsound=",
                      kHead + "*" + std::string(500, 'Q') + "\n*END\n", "\0\0*\0QUAD\n\xff\xfe=\0"s,
                      kHead + "*QUAD\npos=1e999 -1e999 nan\ndif=9999999999 0 0 0\n*END\n"));

}  // namespace
}  // namespace vev
