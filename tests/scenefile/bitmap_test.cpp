#include <gtest/gtest.h>

#include <limits>

#include "scenefile/bitmap.h"
#include "tests/scenefile/bitmap_files.h"

namespace vev {
namespace {

using test::BitmapFile;
using test::putU32;
using test::ScratchDir;
using test::threeByTwo;

using Bytes = std::vector<std::uint8_t>;

class BitmapTest : public ::testing::Test {
 protected:
  std::optional<Bitmap> read(const Bytes& bytes) {
    return readBitmapFile(dir_.write("t.bmp", bytes));
  }

  ScratchDir dir_;
};

TEST_F(BitmapTest, ReadsTheInformationBlockAndThePixelBytesAsStored) {
  BitmapFile file = threeByTwo();
  file.palette.assign(8, 0x55);  // anything before the pixel offset belongs to the block
  const auto bitmap = read(file.bytes());
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->width, 3);
  EXPECT_EQ(bitmap->height, 2);
  EXPECT_EQ(bitmap->bitsPerPixel, 24);
  EXPECT_EQ(bitmap->compression, 0u);
  EXPECT_EQ(bitmap->header.size(), 48u);
  EXPECT_EQ(bitmap->header[0], 40);
  EXPECT_EQ(bitmap->pixels, file.pixels);
}

TEST_F(BitmapTest, ConvertsPaddedRowsSwappingBlueAndRedAndLeavingPaddingBlack) {
  const auto bitmap = read(threeByTwo().bytes());
  ASSERT_TRUE(bitmap);
  const Bytes expected = {3,  2,  1,  6,  5,  4,  9,  8,  7,  0, 0, 0,
                          13, 12, 11, 16, 15, 14, 19, 18, 17, 0, 0, 0};
  EXPECT_EQ(makeRgbImage(*bitmap).rows, expected);
}

// An 8 x 8 picture whose size field says 10 bytes, and one that says 0: the rows that width and
// height need are read either way, and refused only when the file does not hold them.
TEST_F(BitmapTest, RowsAreReadAsWidthAndHeightNeedWhateverTheSizeField) {
  BitmapFile file;
  file.width = 8;
  file.height = 8;
  file.pixels.assign(8 * 24, 0x40);
  for (const std::uint32_t field : {10u, 0u, 100000u}) {
    file.imageSize = field;
    const auto bitmap = read(file.bytes());
    ASSERT_TRUE(bitmap) << field;
    const RgbImage image = makeRgbImage(*bitmap);
    EXPECT_EQ(image.rows, Bytes(8 * 24, 0x40)) << field;
  }
  file.pixels.resize(7 * 24);
  EXPECT_FALSE(read(file.bytes()));
}

TEST_F(BitmapTest, PaletteImageGivesOneBlackTexelWhateverSizeItClaims) {
  BitmapFile file;
  file.width = 4;
  file.height = 4;
  file.bitsPerPixel = 8;
  file.palette.assign(256 * 4, 0x7F);
  file.pixels.assign(16, 0x01);
  const auto bitmap = read(file.bytes());
  ASSERT_TRUE(bitmap);
  const RgbImage image = makeRgbImage(*bitmap);
  EXPECT_EQ(image.width, 1);
  EXPECT_EQ(image.height, 1);
  EXPECT_EQ(image.rows, Bytes(4, 0));
  // 55 bytes that claim 8192 x 8192 pixels of 8 bits, in one byte of image.
  file.width = 8192;
  file.height = 8192;
  file.palette.clear();
  file.pixels.assign(1, 0);
  file.imageSize = 1;
  const auto huge = read(file.bytes());
  ASSERT_TRUE(huge);
  EXPECT_EQ(makeRgbImage(*huge).rows.size(), 4u);
  EXPECT_EQ(lookOf(huge->header), BitmapLook::black);
}

TEST_F(BitmapTest, CompressedImageGivesOneBlackTexel) {
  BitmapFile file = threeByTwo();
  file.compression = 1;
  const auto bitmap = read(file.bytes());
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(makeRgbImage(*bitmap).rows, Bytes(4, 0));
}

TEST_F(BitmapTest, TopDownImageIsReadButConvertsToNoRows) {
  BitmapFile file = threeByTwo();
  file.height = -2;
  const auto bitmap = read(file.bytes());
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->height, -2);
  EXPECT_EQ(bitmap->pixels.size(), 24u);
  EXPECT_TRUE(makeRgbImage(*bitmap).rows.empty());
  EXPECT_EQ(lookOf(bitmap->header), BitmapLook::topDown);
}

TEST_F(BitmapTest, ZeroImageSizeReadsThePaddedRows) {
  BitmapFile file = threeByTwo();
  file.imageSize = 0;
  const auto bitmap = read(file.bytes());
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->pixels.size(), 24u);
  EXPECT_EQ(makeRgbImage(*bitmap).rows[20], 17);
}

TEST_F(BitmapTest, ZeroImageSizeAcceptsUnpaddedPixelBytesAndLeavesWhatIsMissingBlack) {
  BitmapFile file = threeByTwo();
  file.imageSize = 0;
  file.pixels.resize(18);  // three bytes per pixel and no padding: the last pixel is not there
  const auto bitmap = read(file.bytes());
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->pixels.size(), 18u);
  const Bytes rgb = makeRgbImage(*bitmap).rows;
  const Bytes expected = {3,  2,  1,  6,  5,  4,  9, 8, 7, 0, 0, 0,
                          13, 12, 11, 16, 15, 14, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(rgb, expected);
}

TEST(MakeRgbImage, ConvertsOnlyThePixelBytesThatAreThere) {
  Bitmap bitmap;
  bitmap.width = 3;
  bitmap.height = 2;
  bitmap.bitsPerPixel = 24;
  bitmap.pixels = {1, 2, 3, 4, 5};
  const Bytes rgb = makeRgbImage(bitmap).rows;
  ASSERT_EQ(rgb.size(), 24u);
  EXPECT_EQ(rgb[0], 3);
  EXPECT_EQ(rgb[2], 1);
  EXPECT_EQ(rgb[3], 0);
}

TEST(MakeRgbImage, NegativeOrOversizedSidesGiveNoImage) {
  Bitmap bitmap;
  bitmap.bitsPerPixel = 24;
  bitmap.width = -3;
  bitmap.height = 2;
  EXPECT_TRUE(makeRgbImage(bitmap).rows.empty());
  bitmap.width = std::numeric_limits<std::int32_t>::max();
  EXPECT_TRUE(makeRgbImage(bitmap).rows.empty());
  bitmap.width = 3;
  bitmap.height = std::numeric_limits<std::int32_t>::max();
  EXPECT_TRUE(makeRgbImage(bitmap).rows.empty());
}

struct Damage {
  const char* what;
  Bytes bytes;
};

Bytes damaged(void (*change)(Bytes&)) {
  Bytes bytes = threeByTwo().bytes();
  change(bytes);
  return bytes;
}

TEST_F(BitmapTest, RefusesFilesThatAreNoBitmapsOrWhoseSizesAndOffsetsDoNotFit) {
  const std::vector<Damage> cases = {
      {"empty file", {}},
      {"not a bitmap", {'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"file header cut short", damaged([](Bytes& b) { b.resize(10); })},
      {"information block cut short", damaged([](Bytes& b) { b.resize(30); })},
      {"pixel offset inside the file header", damaged([](Bytes& b) { putU32(b, 10, 4); })},
      {"information block too short for its fields", damaged([](Bytes& b) { putU32(b, 10, 26); })},
      {"pixel offset beyond the file", damaged([](Bytes& b) { putU32(b, 10, 1'000'000); })},
      {"pixel offset of 4 GiB", damaged([](Bytes& b) { putU32(b, 10, 0xFFFFFFFF); })},
      // The size field counts only for formats other than 24-bit uncompressed rows.
      {"compressed image size beyond the file", damaged([](Bytes& b) {
         putU32(b, 30, 1);
         putU32(b, 34, 25);
       })},
      {"compressed image size of 4 GiB", damaged([](Bytes& b) {
         putU32(b, 30, 1);
         putU32(b, 34, 0xFFFFFFFF);
       })},
      {"unpadded pixels cut short", damaged([](Bytes& b) {
         putU32(b, 34, 0);
         b.resize(b.size() - 7);
       })},
      {"negative width", damaged([](Bytes& b) { putU32(b, 18, 0xFFFFFFFD); })},
      {"absurd width", damaged([](Bytes& b) { putU32(b, 18, 100'000); })},
      {"absurd height", damaged([](Bytes& b) { putU32(b, 22, 100'000); })},
      {"absurd top-down height", damaged([](Bytes& b) { putU32(b, 22, 0x80000000); })},
      {"absurd bits per pixel with a computed size", damaged([](Bytes& b) {
         putU32(b, 34, 0);
         b[28] = b[29] = 0xFF;
       })},
  };
  for (const Damage& damage : cases) {
    SCOPED_TRACE(damage.what);
    EXPECT_FALSE(read(damage.bytes));
  }
}

TEST_F(BitmapTest, RefusesAMissingFileAndADirectory) {
  EXPECT_FALSE(readBitmapFile((dir_.path() / "missing.bmp").string()));
  EXPECT_FALSE(readBitmapFile(dir_.path().string()));
}

}  // namespace
}  // namespace vev
