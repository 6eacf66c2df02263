#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "model/model_state.h"
#include "model/texture_list.h"
#include "scenefile/load_report.h"
#include "scenefile/loader.h"
#include "scenefile/scene_assets.h"
#include "sound/openal_sound_library.h"
#include "sound/sound_registry.h"
#include "sound/sound_table.h"
#include "tests/scenefile/bitmap_files.h"

namespace vev::testing {

// A 16-bit mono PCM WAV file of eight silent frames.
inline std::vector<std::uint8_t> silentWav() {
  constexpr std::uint32_t kDataBytes = 16;
  std::vector<std::uint8_t> bytes(44 + kDataBytes, 0);
  const std::string tags = "RIFF....WAVEfmt ";
  std::copy(tags.begin(), tags.end(), bytes.begin());
  test::putU32(bytes, 4, 36 + kDataBytes);
  test::putU32(bytes, 16, 16);
  test::putU16(bytes, 20, 1);  // PCM
  test::putU16(bytes, 22, 1);  // mono
  test::putU32(bytes, 24, 8000);
  test::putU32(bytes, 28, 16000);
  test::putU16(bytes, 32, 2);
  test::putU16(bytes, 34, 16);
  const std::string data = "data";
  std::copy(data.begin(), data.end(), bytes.begin() + 36);
  test::putU32(bytes, 40, kDataBytes);
  return bytes;
}

// A 24-bit bitmap of 2 by 2 pixels.
inline std::vector<std::uint8_t> smallBitmap() {
  test::BitmapFile file;
  file.width = 2;
  file.height = 2;
  file.pixels.assign(16, 0x80);
  return file.bytes();
}

// Scene files loaded from a scratch directory as the program loads them, with textures read and
// sounds decoded through OpenAL Soft's null output.
class LoadReportTest : public ::testing::Test {
 protected:
  LoadReportTest()
      : table(std::make_unique<OpenAlSoundLibrary>(nullOutput())),
        sounds(table),
        assets{textures, sounds, {}} {
    table.init();
  }

  static OpenAlOptions nullOutput() {
    OpenAlOptions options;
    options.backend = OpenAlOptions::Backend::Null;
    return options;
  }

  // Writes `text` as scene.zsf in the scratch directory and loads it with `report`.
  void load(const std::string& text, LoadReport* report) {
    const std::string path = dir.write("scene.zsf", {text.begin(), text.end()});
    ASSERT_TRUE(loadSceneFile(path, model, assets, report));
  }

  // What loading `text` reports, one "line: message" each.
  std::vector<std::string> findings(const std::string& text) {
    LoadReport report;
    load(text, &report);
    std::vector<std::string> lines;
    for (const LoadFinding& finding : report.findings()) {
      lines.push_back(std::to_string(finding.line) + ": " + finding.message);
    }
    return lines;
  }

  test::ScratchDir dir;
  ModelState model;
  TextureList textures;
  SoundTable table;
  SoundRegistry sounds;
  SceneAssets assets;
};

}  // namespace vev::testing
