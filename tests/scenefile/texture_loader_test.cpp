#include <gtest/gtest.h>

#include "scenefile/texture_loader.h"
#include "tests/scenefile/bitmap_files.h"

namespace vev {
namespace {

class AddTextureTest : public ::testing::Test {
 protected:
  const TextureEntry& add(const std::string& path) {
    return addTexture(textures_, path,
                      [this](const std::string& failed) { unreadable_.push_back(failed); });
  }

  test::ScratchDir dir_;
  TextureList textures_;
  std::vector<std::string> unreadable_;
};

TEST_F(AddTextureTest, ReadsEachDistinctPathOnceAndSharesItsEntry) {
  const std::string hull = dir_.write("hull.bmp", test::threeByTwo().bytes());
  const std::string wing = dir_.write("wing.bmp", test::threeByTwo().bytes());
  const TextureEntry& first = add(hull);
  ASSERT_TRUE(first.loaded);
  EXPECT_EQ(first.width, 3);
  EXPECT_EQ(first.height, 2);
  EXPECT_EQ(first.header.size(), 40u);
  EXPECT_EQ(first.rawPixels.size(), 24u);
  ASSERT_EQ(first.rgbPixels.size(), 24u);
  EXPECT_EQ(first.rgbPixels[0], 3);

  add(wing);
  EXPECT_EQ(&add(hull), &first);
  ASSERT_EQ(textures_.entries().size(), 2u);
  EXPECT_EQ(textures_.entries()[0].path, hull);
  EXPECT_EQ(textures_.entries()[1].path, wing);
  EXPECT_TRUE(unreadable_.empty());
}

TEST_F(AddTextureTest, TellsOncePerUnreadablePathAndKeepsItsEntryWithoutAnImage) {
  const std::string missing = (dir_.path() / "missing.bmp").string();
  const std::string notBitmap = dir_.write("notes.bmp", {'h', 'e', 'l', 'l', 'o'});
  const TextureEntry& entry = add(missing);
  add(missing);
  add(notBitmap);
  add(notBitmap);
  EXPECT_EQ(unreadable_, (std::vector<std::string>{missing, notBitmap}));
  ASSERT_EQ(textures_.entries().size(), 2u);
  EXPECT_FALSE(entry.loaded);
  EXPECT_TRUE(entry.rgbPixels.empty());
  EXPECT_FALSE(textures_.entries()[1].loaded);
}

TEST_F(AddTextureTest, OpensBackslashPathsButKeepsThemAsTheShapesNameThem) {
  dir_.write("hull.bmp", test::threeByTwo().bytes());
  const std::string scenePath = dir_.path().string() + "\\hull.bmp";
  const TextureEntry& entry = add(scenePath);
  EXPECT_TRUE(entry.loaded);
  EXPECT_EQ(entry.path, scenePath);
  EXPECT_TRUE(unreadable_.empty());
}

TEST_F(AddTextureTest, TopDownBitmapLoadsWithNoRows) {
  test::BitmapFile file = test::threeByTwo();
  file.height = -2;
  const TextureEntry& entry = add(dir_.write("sky.bmp", file.bytes()));
  EXPECT_TRUE(entry.loaded);
  EXPECT_EQ(entry.height, -2);
  EXPECT_TRUE(entry.rgbPixels.empty());
}

}  // namespace
}  // namespace vev
