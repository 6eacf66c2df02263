#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "model/scene_node.h"
#include "model/texture_list.h"
#include "scenefile/scene_assets.h"
#include "scenefile/scene_reader.h"
#include "scenefile/section_input.h"
#include "sound/sound_library.h"
#include "sound/sound_registry.h"
#include "sound/sound_table.h"

namespace vev::testing {

// Scene text read back through a real FILE*, as the loader reads files.
class TextFile {
 public:
  explicit TextFile(const std::string& text) : file_(std::tmpfile()) {
    std::fwrite(text.data(), 1, text.size(), file_);
    std::rewind(file_);
  }
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;
  ~TextFile() { std::fclose(file_); }

  std::FILE* get() const { return file_; }

 private:
  std::FILE* file_;
};

// A sound library that plays nothing and remembers which sample files it was asked to load.
class RecordingSoundLibrary final : public SoundLibrary {
 public:
  explicit RecordingSoundLibrary(std::vector<std::string>& loaded) : loaded_(loaded) {}
  bool init(int, int) override { return true; }
  void close() override {}
  int loadSample(const std::string& path) override {
    loaded_.push_back(path);
    return static_cast<int>(loaded_.size());
  }
  void freeSample(int) override {}
  void setLoopMode(int, bool) override {}
  int playSound(int) override { return 0; }
  void stopSound(int) override {}
  void setVolume(int, int) override {}
  int getFrequency(int) override { return 0; }
  void setFrequency(int, int) override {}

 private:
  std::vector<std::string>& loaded_;
};

// The texture list and sound registry a load fills, with what was asked of them on record.
struct RecordedAssets {
  RecordedAssets()
      : table(std::make_unique<RecordingSoundLibrary>(loadedSamples)),
        sounds(table),
        assets{textures, sounds,
               [this](const std::string& path) { unreadableTextures.push_back(path); }} {
    table.init();
  }
  RecordedAssets(const RecordedAssets&) = delete;
  RecordedAssets& operator=(const RecordedAssets&) = delete;

  std::vector<std::string> loadedSamples;
  std::vector<std::string> unreadableTextures;
  TextureList textures;
  SoundTable table;
  SoundRegistry sounds;
  SceneAssets assets;
};

// Reads `text` as the body of one section with `read`, from its first field line.
template <typename Reader>
std::unique_ptr<SceneNode> readSectionText(Reader read, const std::string& text,
                                           RecordedAssets& recorded,
                                           const std::string& directory = "") {
  TextFile file(text);
  SceneReader reader(file.get(), "section.zsf");
  SectionInput input{reader, directory, recorded.assets};
  auto node = std::make_unique<SceneNode>();
  read(input, *node);
  return node;
}

// Writes `text` to `path`, creating its directory, and returns the path.
inline std::string writeTextFile(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

}  // namespace vev::testing
