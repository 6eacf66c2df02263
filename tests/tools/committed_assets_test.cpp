#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tests/tools/scratch_directory.h"
#include "tools/asset_catalog.h"

namespace vev::assets {
namespace {

std::filesystem::path sceneDirectory() {
  return std::filesystem::path(VEV_SOURCE_DIR) / "sw";
}

std::vector<char> bytesOf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CommittedAssets, AreExactlyWhatTheGeneratorWrites) {
  ScratchDirectory scratch("assets");
  ASSERT_TRUE(writeAssets(scratch.path()).empty());
  for (const AssetFile& file : assetCatalog()) {
    const auto committed = sceneDirectory() / file.name;
    ASSERT_TRUE(std::filesystem::exists(committed)) << file.name << " is not in sw/";
    EXPECT_TRUE(bytesOf(scratch.path() / file.name) == bytesOf(committed))
        << file.name << " differs from what the generator writes; run vev-make-assets sw";
  }
}

TEST(CommittedAssets, EveryTextureAndSampleInTheSceneDirectoryIsGenerated) {
  std::set<std::string> generated;
  for (const AssetFile& file : assetCatalog()) generated.insert(file.name);
  for (const auto& entry : std::filesystem::directory_iterator(sceneDirectory())) {
    const std::string extension = entry.path().extension().string();
    if (extension != ".bmp" && extension != ".wav") continue;
    EXPECT_TRUE(generated.count(entry.path().filename().string()))
        << entry.path().filename() << " is in sw/ but the generator does not make it";
  }
}

TEST(CommittedAssets, TwoRunsWriteTheSameBytes) {
  for (const AssetFile& file : assetCatalog()) {
    EXPECT_EQ(file.make(), file.make()) << file.name;
  }
}

}  // namespace
}  // namespace vev::assets
