#pragma once

#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Runs the real vev-scene binary, as a user does, and reads what it prints.
namespace vev::test {

struct SceneRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs vev-scene with the given arguments from `directory`, capturing both output streams.
inline SceneRun runScene(const std::string& args,
                         const std::filesystem::path& directory = VEV_SOURCE_DIR) {
  const std::filesystem::path errFile =
      std::filesystem::temp_directory_path() / ("vev_cli_err_" + std::to_string(getpid()));
  const std::string command = "cd '" + directory.string() + "' && '" VEV_SCENE_BINARY "' " + args +
                              " 2>'" + errFile.string() + "'";
  SceneRun run;
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    run.out.append(buffer, n);
  }
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream err(errFile);
  run.err.assign(std::istreambuf_iterator<char>(err), {});
  std::filesystem::remove(errFile);
  return run;
}

// Pixels of a PNG file in the top-left part (x below `width`, y below `height`) that `match`.
template <typename Match>
int countPixels(const std::string& path, int width, int height, Match match) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return -1;
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return -1;
  int count = 0;
  for (int y = 0; y < height && y < static_cast<int>(image.height); ++y) {
    for (int x = 0; x < width && x < static_cast<int>(image.width); ++x) {
      const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * image.width + x) * 3];
      count += match(p[0], p[1], p[2]);
    }
  }
  return count;
}

inline QJsonObject parseJson(const std::string& text) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  return document.object();
}

inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// A temporary folder of the test's own, removed with everything in it.
struct ScratchFolder {
  explicit ScratchFolder(const std::string& name)
      : path(std::filesystem::temp_directory_path() /
             ("vev_" + name + "_" + std::to_string(getpid()))) {
    std::filesystem::create_directories(path);
  }
  ~ScratchFolder() { std::filesystem::remove_all(path); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::filesystem::path path;
};

}  // namespace vev::test
