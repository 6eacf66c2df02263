#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/cli/commands.h"
#include "app/cli/render_options.h"

namespace vev::test {
namespace {

const std::string kCraft = std::string(VEV_SOURCE_DIR) + "/tests/data/render/fleet-craft.zsf";
// The craft file's chase camera: its node 15, looking at the craft from behind and above.
const std::string kChaseCamera = "15";

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;

  int litPixels() const {
    int lit = 0;
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4)
      lit += rgba[i] + rgba[i + 1] + rgba[i + 2] > 0;
    return lit;
  }
};

Picture readPng(const std::string& path) {
  Picture picture;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return picture;
  image.format = PNG_FORMAT_RGBA;
  picture.rgba.resize(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr)) {
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
  }
  return picture;
}

class RenderCommandTest : public ::testing::Test {
 protected:
  std::string output(const std::string& name) const {
    return (std::filesystem::path(::testing::TempDir()) / name).string();
  }
};

TEST_F(RenderCommandTest, WritesTheFrameAsAPngOfTheAskedSize) {
  const std::string path = output("craft.png");
  std::filesystem::remove(path);
  ASSERT_EQ(runRender({kCraft, "-o", path, "--size", "320x200", "--camera", kChaseCamera}), 0);
  const Picture picture = readPng(path);
  EXPECT_EQ(picture.width, 320);
  EXPECT_EQ(picture.height, 200);
  EXPECT_GT(picture.litPixels(), 2000);
}

TEST_F(RenderCommandTest, ShadingTexturesAndCameraChangeThePicture) {
  const std::string solid = output("solid.png");
  const std::string wire = output("wire.png");
  const std::string plain = output("plain.png");
  const std::string free = output("free.png");
  ASSERT_EQ(runRender({kCraft, "-o", solid, "--camera", kChaseCamera}), 0);
  ASSERT_EQ(runRender({kCraft, "-o", wire, "--camera", kChaseCamera, "--shading", "w"}), 0);
  ASSERT_EQ(runRender({kCraft, "-o", plain, "--camera", kChaseCamera, "--no-textures"}), 0);
  ASSERT_EQ(runRender({kCraft, "-o", free, "--frames", "3"}), 0);
  const Picture s = readPng(solid);
  EXPECT_LT(readPng(wire).litPixels(), s.litPixels() / 2);
  EXPECT_NE(readPng(plain).rgba, s.rgba);
  EXPECT_NE(readPng(free).rgba, s.rgba);
  EXPECT_EQ(s.width, 800);
  EXPECT_EQ(s.height, 600);
}

// A QUAD as a new author writes it, without `backface`: a one-sided lit face, drawn exactly as
// with `backface=0`.
TEST_F(RenderCommandTest, PlainQuadIsDrawnAsWithBackfaceZero) {
  const std::string face =
      "10 face\na face ahead of a camera\nname=FACE\npos=0 0 0\n"
      "*CAMERA\nname=eye\npos=-10 0 0\ntang=1 0 0\nnorm=0 1 0\nzoom=45\n"
      "*QUAD\nname=face\ndif=0 80 0 100\npos=0 0 0\ntang=0 0 1\nnorm=0 1 0\n%s"
      "verts=-3 -3 0 3 -3 0 3 3 0 -3 3 0\n*END\n";
  std::vector<Picture> pictures;
  for (const char* backface : {"", "backface=0\n"}) {
    char text[512];
    std::snprintf(text, sizeof text, face.c_str(), backface);
    const std::string scene = output(std::string("face") + (*backface ? "0" : "") + ".zsf");
    std::ofstream(scene) << text;
    const std::string png = scene + ".png";
    ASSERT_EQ(runRender({scene, "-o", png, "--size", "64x64", "--camera", "0"}), 0);
    pictures.push_back(readPng(png));
  }
  const std::size_t centre = (32 * 64 + 32) * 4;
  ASSERT_EQ(pictures[0].rgba.size(), 64u * 64u * 4u);
  EXPECT_EQ(pictures[0].rgba[centre], 0);
  EXPECT_GT(pictures[0].rgba[centre + 1], 100);
  EXPECT_EQ(pictures[0].rgba[centre + 2], 0);
  EXPECT_EQ(pictures[0].rgba, pictures[1].rgba);
}

TEST_F(RenderCommandTest, RefusesBadArgumentsAndReportsFailures) {
  const std::string path = output("bad.png");
  EXPECT_EQ(runRender({kCraft}), 2);
  EXPECT_EQ(runRender({"-o", path}), 2);
  EXPECT_EQ(runRender({kCraft, "-o", path, "--size", "0x10"}), 2);
  EXPECT_EQ(runRender({kCraft, "-o", path, "--shading", "x"}), 2);
  EXPECT_EQ(runRender({kCraft, "-o", path, "--frames"}), 2);
  EXPECT_EQ(runRender({kCraft, "-o", path, "--camera", "99"}), 1);
  // A file that cannot be opened still gives a picture of the others, and a failure status.
  std::filesystem::remove(path);
  EXPECT_EQ(runRender({kCraft, "missing.zsf", "-o", path}), 1);
  EXPECT_EQ(readPng(path).width, 800);
  EXPECT_EQ(runRender({kCraft, "-o", output("no-such-dir") + "/x.png"}), 1);
}

TEST(RenderOptions, ParsesEveryOptionWhereverItStands) {
  std::string error;
  const auto options =
      parseRenderOptions({"--size", "64x48", "a.zsf", "--camera", "2", "-o", "out.png", "b.zsf",
                          "--shading", "f", "--no-textures", "--frames", "7"},
                         error);
  ASSERT_TRUE(options.has_value()) << error;
  EXPECT_EQ(options->files, (std::vector<std::string>{"a.zsf", "b.zsf"}));
  EXPECT_EQ(options->output, "out.png");
  EXPECT_EQ(options->width, 64);
  EXPECT_EQ(options->height, 48);
  EXPECT_EQ(options->cameraNode, 2);
  EXPECT_EQ(options->settings.shading, 'f');
  EXPECT_EQ(options->settings.textures, 0);
  EXPECT_EQ(options->frames, 7);

  const auto defaults = parseRenderOptions({"a.zsf", "-o", "out.png", "--camera", "free"}, error);
  ASSERT_TRUE(defaults.has_value());
  EXPECT_EQ(defaults->width, 800);
  EXPECT_EQ(defaults->height, 600);
  EXPECT_EQ(defaults->cameraNode, -1);
  EXPECT_EQ(defaults->frames, 1);
  EXPECT_EQ(defaults->settings.shading, 's');

  for (const char* size : {"800", "x600", "800x", "9000x10", "8x-1", "8x8x8"}) {
    EXPECT_FALSE(parseRenderOptions({"a.zsf", "-o", "o.png", "--size", size}, error)) << size;
  }
  EXPECT_FALSE(parseRenderOptions({"a.zsf", "-o", "o.png", "--camera", "-1"}, error));
  EXPECT_FALSE(parseRenderOptions({"a.zsf", "-o", "o.png", "--frames", "0"}, error));
  EXPECT_FALSE(parseRenderOptions({"a.zsf", "-o", "o.png", "--fast"}, error));
  EXPECT_EQ(error, "unknown option --fast");
}

}  // namespace
}  // namespace vev::test
