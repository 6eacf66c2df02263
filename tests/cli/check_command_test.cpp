#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct CheckRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs `vev-scene check` with the given arguments from `directory`.
CheckRun runCheck(const std::string& args, const fs::path& directory) {
  const fs::path errFile =
      fs::temp_directory_path() / ("vev_check_err_" + std::to_string(getpid()));
  const std::string command = "cd '" + directory.string() + "' && '" VEV_SCENE_BINARY "' check " +
                              args + " 2>'" + errFile.string() + "'";
  CheckRun run;
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream err(errFile);
  run.err.assign(std::istreambuf_iterator<char>(err), {});
  fs::remove(errFile);
  return run;
}

void putLittleEndian(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
}

// A 16-bit mono PCM WAV file of eight silent frames.
std::string silentWav() {
  std::string bytes = "RIFF";
  putLittleEndian(bytes, 36 + 16, 4);
  bytes += "WAVEfmt ";
  for (const auto& [value, size] :
       {std::pair{16u, 4}, {1u, 2}, {1u, 2}, {8000u, 4}, {16000u, 4}, {2u, 2}, {16u, 2}}) {
    putLittleEndian(bytes, value, size);
  }
  bytes += "data";
  putLittleEndian(bytes, 16, 4);
  return bytes + std::string(16, '\0');
}

class CheckCommand : public ::testing::Test {
 protected:
  CheckCommand() : dir_(fs::temp_directory_path() / ("vev_check_" + std::to_string(getpid()))) {
    fs::create_directories(dir_);
  }
  ~CheckCommand() override { fs::remove_all(dir_); }

  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  CheckRun check(const std::string& args) const { return runCheck(args, dir_); }
  fs::path at(const std::string& name) const { return dir_ / name; }

 private:
  fs::path dir_;
};

TEST_F(CheckCommand, AFileThatLoadsAsWrittenPrintsNothing) {
  write("engine.wav", silentWav());
  write("clean.zsf",
        "10 clean\nwith a sound\nname=CLEAN\nsound=engine.wav\n*JET\npos=0 0 0\ntang=1 0 0\n"
        "norm=0 1 0\nmaxthrust=9\n*END\n");
  const CheckRun run = check("clean.zsf");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(runCheck("tests/data/cli/example-craft.zsf", VEV_SOURCE_DIR).out, "");
}

TEST_F(CheckCommand, EachFindingIsOneLineNamingFileAndLine) {
  write("faulty.zsf",
        "10 faulty\nsecond\nname=FAULTY\nsound=missing.wav\n*WALL\nverts=0 0 0\npos=1 2\n"
        "name=lost line\n*END\n");
  write("missing-end.zsf", "10 short\nsecond\nname=SHORT\n*QUAD\n");
  // Bytes a terminal would obey are not passed on; a UTF-8 letter is.
  write("raw.zsf", "10 raw\nsecond\nname=RAW\n\x9b\xff\xc3\xa9\x1b\x7f\xc2\x9bx=1\n*END\n");
  const CheckRun run = check("faulty.zsf missing-end.zsf raw.zsf");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "faulty.zsf:4: `sound` file `missing.wav` does not exist\n"
            "faulty.zsf:5: WALL has no `tang` and no `norm`, or ones of 0 0 0, so it has no axes: "
            "it collapses to a point and points nowhere\n"
            "faulty.zsf:6: keyword `verts` is not used in WALL sections\n"
            "faulty.zsf:7: `pos` expects 3 values, found 2; line 8 is read as part of it\n"
            "missing-end.zsf:4: the file ends without `*END`\n"
            "missing-end.zsf:4: QUAD without a name has fewer than three vertices and is not "
            "drawn\n"
            "raw.zsf:4: keyword `??\xc3\xa9????x` is not used in the identity header\n");
  EXPECT_EQ(run.err, "");
}

// One sample file named by many lines takes one slot; the 101st file finds the table full.
TEST_F(CheckCommand, AFullSoundTableIsToldForTheSceneNotBlamedOnTheFile) {
  std::string scene = "10 loud\nsecond\nname=LOUD\n";
  for (int i = 0; i <= 100; ++i) {
    write(std::to_string(i) + ".wav", silentWav());
    scene += "*JET\nsound=" + std::to_string(i) + ".wav\n*JET\nsound=0.wav\n";
  }
  write("loud.zsf", scene + "*END\n");
  const CheckRun run = check("loud.zsf");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "the scene names more than 100 sounds; loud.zsf:405 is silent\n");
}

TEST_F(CheckCommand, NodesThatNoFrameCanDrawAreNamed) {
  write("unbuilt.zsf",
        "10 unbuilt\nsecond\nname=UNBUILT\n*QUAD\nname=fin\npos=0 0 0\ntang=1 0 0\nnorm=0 1 0\n"
        "verts=0 0 0 1 0 0\n*RETIBEAM\nname=truss\npos=0 0 0\ntang=1 0 0\nnorm=0 1 0\nwid=10\n"
        "cell=100 100 100 0\n*END\n");
  EXPECT_EQ(check("unbuilt.zsf").out,
            "unbuilt.zsf:4: QUAD \"fin\" has fewer than three vertices and is not drawn\n"
            "unbuilt.zsf:10: RETIBEAM \"truss\" has more than 4096 cells and is not drawn\n");
}

// A 24-bit bitmap header claiming `width` x `height` pixels, followed by `pixelBytes` bytes.
std::string bitmapBytes(std::uint32_t width, std::uint32_t height, std::size_t pixelBytes) {
  std::string bytes = "BM";
  for (const auto& [value, size] : {std::pair{54u + pixelBytes, 4},
                                    {0u, 4},
                                    {54u, 4},
                                    {40u, 4},
                                    {width, 4},
                                    {height, 4},
                                    {1u, 2},
                                    {24u, 2},
                                    {0u, 4}}) {
    putLittleEndian(bytes, static_cast<std::uint32_t>(value), size);
  }
  return bytes + std::string(20 + pixelBytes, '\0');
}

// Mistakes that load without a word and make a part vanish or cost the frame: each file holds
// one, and check names it at its line with the cause.
TEST_F(CheckCommand, MistakesThatMakeAPartVanishAreToldWithTheirCause) {
  const std::string head = "10 t\nsecond\nname=T\n";
  const std::string posed = "pos=0 0 0\ntang=1 0 0\nnorm=0 1 0\n";
  std::string face = "verts=";
  for (int i = 0; i < 100000; ++i) face += std::to_string(i % 7) + " " + std::to_string(i) + " 0 ";
  face.back() = '\n';
  // Beside the file a cut texture name means: the hint names what the line says, not this one.
  write("hull-plate.bmp", bitmapBytes(4, 4, 48));
  write("wide.bmp", bitmapBytes(9000, 4, 0));
  write("cut.bmp", bitmapBytes(4, 4, 20));
  const std::string cases[][2] = {
      {head + "*QUAD\ndif=80 80 80 100\nverts=0 0 0 1 0 0 1 1 0\n*END\n",
       ":4: QUAD without a name has no pose"},
      {head + "*LASERCANNON\n" + posed + "fire=32 0 0\nrange=0\n*END\n",
       ":4: LASERCANNON has a `range` of 0, so each shot is removed as soon as it is fired"},
      {head + "*HUDSTRING\ntext=HI\ncolor=0 100 0 100\nlin=30\ncol=2\n*END\n",
       ":4: HUDSTRING \"HI\" at `lin` 30, `col` 2 is outside the HUD's text grid"},
      {head + "*QUAD\n" + posed + "dif=1 1 1 1\namb=0 0 1 1\nverts=0 0 0 1 0 0 1 1 0\n*END\n",
       ":8: every colour of the file is at most 1, so everything it draws is nearly black and "
       "clear: colours are in percent: 1 means 1 %"},
      {head + "*JET\n" + posed + "flamediam=-1\nflamelength=4\n*END\n",
       ":4: JET has a negative `flamediam` (-1)"},
      {head + "*QUAD\n" + posed + "dif=80 80 80 100\n" + face + "*END\n",
       ":4: QUAD has 100,000 vertices: about 200 ms a frame"},
      {head + "*QUAD\npos=1\t2 3\n*END\n",
       ":5: `pos` has a tab at column 6, but only a space "
       "separates values"},
      {head + "*QUAD\n" + posed + "texture=hull-side.bmp-1\n*END\n",
       "`texture` file `hull` does not exist: a texture name ends at its first `-`, which starts "
       "the mapping number, so `hull-side.bmp` cannot be named"},
      {head + "*QUAD\n" + posed + "texture=wide.bmp-1\n*END\n",
       "`texture` file `wide.bmp` cannot be read as a bitmap: it is 9000 x 4 pixels: a texture "
       "is at most 8192 pixels a side"},
      {head + "*QUAD\n" + posed + "texture=cut.bmp-1\n*END\n",
       "`texture` file `cut.bmp` cannot be read as a bitmap: it is truncated: it ends at byte 74 "
       "of the 102 its header announces"},
  };
  for (const auto& [scene, finding] : cases) {
    write("mistake.zsf", scene);
    const CheckRun run = check("mistake.zsf");
    EXPECT_EQ(run.status, 1) << finding;
    EXPECT_NE(run.out.find(finding), std::string::npos) << finding << "\n" << run.out;
  }
}

TEST_F(CheckCommand, AFileThatCannotBeOpenedIsAFindingAndTheOthersAreChecked) {
  write("missing-end.zsf", "10 short\nsecond\nname=SHORT\n");
  const CheckRun run = check("no/such/file.zsf missing-end.zsf");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "no/such/file.zsf: cannot be opened as a scene file\n"
            "missing-end.zsf:3: the file ends without `*END`\n");
}

// Pipes, devices and folders are refused at once, as scene files and as the files they name.
TEST_F(CheckCommand, WhatIsNoFileIsRefusedWithoutWaitingOnIt) {
  for (const char* pipe : {"pipe.zsf", "pipe.bmp", "pipe.wav"}) {
    ASSERT_EQ(mkfifo(at(pipe).c_str(), 0600), 0);
  }
  fs::create_directory(at("folder.zsf"));
  write("craft.zsf",
        "10 craft\nsecond\nname=CRAFT\nsound=pipe.wav\n*QUAD\ntexture=pipe.bmp-1\n"
        "verts=0 0 0 1 0 0 1 1 0\n*END\n");
  const CheckRun run = check("pipe.zsf /dev/zero folder.zsf craft.zsf");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "pipe.zsf: is a named pipe, not a file\n"
            "/dev/zero: is a device, not a file\n"
            "folder.zsf: is a folder, not a file\n"
            "craft.zsf:4: `sound` file `pipe.wav` is a named pipe, not a file\n"
            "craft.zsf:5: QUAD without a name has no pose (no `pos`, `tang` or `norm` line) and is "
            "not drawn\n"
            "craft.zsf:6: `texture` file `pipe.bmp` is a named pipe, not a file\n");
}

TEST_F(CheckCommand, WithoutFilesShowsUsage) {
  const CheckRun run = check("");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("usage"), std::string::npos);
}

}  // namespace
