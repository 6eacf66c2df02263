#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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
