#include <gtest/gtest.h>

#include <fstream>

#include "scenefile/bitmap.h"
#include "sound/sample_decoder.h"
#include "tests/tools/scratch_directory.h"
#include "tools/bmp_writer.h"
#include "tools/wav_writer.h"

namespace vev::assets {
namespace {

std::string writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

std::uint32_t u32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return bytes[at] | (bytes[at + 1] << 8U) | (bytes[at + 2] << 16U) |
         (static_cast<std::uint32_t>(bytes[at + 3]) << 24U);
}

// 3 x 2 pixels: rows of 9 bytes padded to 12, so every row carries padding.
Image oddWidthImage() {
  Image image(3, 2);
  image.set(0, 0, {1.0, 0.0, 0.0});
  image.set(1, 0, {0.0, 1.0, 0.0});
  image.set(2, 0, {0.0, 0.0, 1.0});
  image.set(0, 1, {1.0, 1.0, 1.0});
  image.set(1, 1, {0.5, 0.5, 0.5});
  image.set(2, 1, {0.0, 0.0, 0.0});
  return image;
}

TEST(BmpWriter, HeaderGivesSizesOffsetAndFilledImageSize) {
  const auto bytes = encodeBmp(oddWidthImage());
  ASSERT_EQ(bytes.size(), 54U + 24U);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(u32At(bytes, 2), 78U);   // file size
  EXPECT_EQ(u32At(bytes, 10), 54U);  // pixel data offset
  EXPECT_EQ(u32At(bytes, 18), 3U);   // width
  EXPECT_EQ(u32At(bytes, 22), 2U);   // height, positive: bottom row first
  EXPECT_EQ(bytes[28], 24);          // bits per pixel
  EXPECT_EQ(u32At(bytes, 30), 0U);   // no compression
  EXPECT_EQ(u32At(bytes, 34), 24U);  // image size: two padded rows
}

TEST(BmpWriter, LoaderReadsBottomRowFirstWithPaddingZeroed) {
  ScratchDirectory scratch("bmp");
  const auto path = writeBytes(scratch.path() / "odd.bmp", encodeBmp(oddWidthImage()));
  const auto bitmap = readBitmapFile(path);
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->width, 3);
  EXPECT_EQ(bitmap->height, 2);
  EXPECT_EQ(lookOf(bitmap->header), BitmapLook::picture);
  const std::vector<std::uint8_t> rgb = makeRgbImage(*bitmap).rows;
  // Buffer row 0 is the picture's bottom row (white, grey, black), then the top row.
  const std::vector<std::uint8_t> expected = {255, 255, 255, 128, 128, 128, 0, 0, 0,   0, 0, 0,
                                              255, 0,   0,   0,   255, 0,   0, 0, 255, 0, 0, 0};
  EXPECT_EQ(rgb, expected);
}

TEST(WavWriter, DecodesAsMono16BitAtTheSampleRateWithClampedRoundedValues) {
  ScratchDirectory scratch("wav");
  const auto path =
      writeBytes(scratch.path() / "steps.wav", encodeWav({0.0, 0.5, -1.0, 2.0, -3.0, 0.25}));
  const auto sample = decodeSample(path);
  ASSERT_TRUE(sample);
  EXPECT_EQ(sample->channels, 1);
  EXPECT_EQ(sample->rate, kSampleRate);
  const std::vector<std::int16_t> expected = {0, 16384, -32767, 32767, -32767, 8192};
  EXPECT_EQ(sample->data, expected);
}

}  // namespace
}  // namespace vev::assets
