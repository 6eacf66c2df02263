#include "sound/open_sound_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "sound/openal_options.h"
#include "sound/openal_sound_library.h"
#include "sound/sound_registry.h"
#include "tests/sound/openal_output_fixture.h"

namespace vev {
namespace {

using OpenSoundTableTest = OpenAlOutputTest;

TEST_F(OpenSoundTableTest, AnOpenedDeviceGivesAReadyTableThatLoadsAndPlays) {
  SoundTable table = openSoundTable(waveOptions());
  ASSERT_TRUE(table.ready());
  const int slot = table.load(writeSample("tone.wav", {}));
  EXPECT_EQ(slot, 0);
  table.play(slot, false);
  table.setVolume(slot, 255);
  table.close();
}

TEST_F(OpenSoundTableTest, ADeviceThatCannotBeOpenedGivesASilentUnreadyTable) {
  OpenAlOptions options = waveOptions();
  options.deviceName = "No Such Device";
  EXPECT_FALSE(OpenAlSoundLibrary(options).init(44100, 32));
  SoundTable table = openSoundTable(options);
  EXPECT_FALSE(table.ready());
  EXPECT_EQ(table.load(writeSample("tone.wav", {})), -1);
  table.play(0, true);
  table.setVolume(0, 255);
  table.scalePitch(0, 2.0f);
  table.stop(0);
  table.close();
}

TEST_F(OpenSoundTableTest, AWaveFileThatCannotBeWrittenGivesAnUnreadyTable) {
  OpenAlOptions options = waveOptions();
  options.wavePath = path("no/such/directory/out.wav");
  EXPECT_FALSE(openSoundTable(options).ready());
}

TEST_F(OpenSoundTableTest, TheRegistryOpensBackslashPathsFromTheSceneDirectory) {
  SoundTable table = openSoundTable(waveOptions());
  ASSERT_TRUE(table.ready());
  std::filesystem::create_directories(path("sw/sounds"));
  writeSample("sw/sounds/laser.wav", {});
  SoundRegistry registry(table);
  SoundRef ref;
  EXPECT_EQ(registry.registerSound(path("sw\\"), "sounds\\laser.wav", ref), SoundLoad::loaded);
  EXPECT_EQ(ref.path, path("sw\\sounds\\laser.wav"));
}

TEST(WaveConfigText, NamesTheFileAndEscapesWhatTheConfigReaderWouldChange) {
  EXPECT_EQ(waveConfigText("/tmp/a $HOME b.wav"),
            "[general]\ndrivers = wave\n\n[wave]\nfile = \"/tmp/a $$HOME b.wav\"\n");
}

TEST(WaveConfigText, RefusesPathsTheConfigFormatCannotHold) {
  EXPECT_FALSE(waveConfigText(""));
  EXPECT_FALSE(waveConfigText("/tmp/take#2.wav"));
  EXPECT_FALSE(waveConfigText("/tmp/two\nlines.wav"));
  EXPECT_FALSE(waveConfigText("/tmp/\"quoted\".wav"));
  EXPECT_TRUE(waveConfigText("/" + std::string(254, 'a')));
  EXPECT_FALSE(waveConfigText("/" + std::string(255, 'a')));
  EXPECT_FALSE(waveConfigText("/" + std::string(128, '$')));
}

}  // namespace
}  // namespace vev
