#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "tests/cli/scene_tool.h"
#include "tests/cli/wave_recording.h"

namespace {

namespace fs = std::filesystem;
using vev::test::readFile;
using vev::test::Recording;
using vev::test::runScene;
using vev::test::SceneRun;
using vev::test::ScratchFolder;

constexpr double kFrameSeconds = 0.04;
constexpr double kEngineHertz = 210.0;  // the engine sample's tone, heard at idle

// Headless runs heard through a WAV file, in a folder holding the sound test scenes and the
// samples they name.
class SoundRun : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* scene : {"gunner.zsf", "target.zsf", "engine.zsf"}) {
      fs::copy_file(fs::path(VEV_SOURCE_DIR) / "tests/data/sound" / scene, folder.path / scene);
    }
    struct Sample {
      const char* name;
      double hertz;
      double seconds;
    };
    for (const Sample& sample : {Sample{"laser.wav", 880.0, 0.15}, Sample{"hit.wav", 440.0, 0.3},
                                 Sample{"boom.wav", 110.0, 0.8}, Sample{"blast.wav", 165.0, 0.5},
                                 Sample{"engine.wav", kEngineHertz, 1.0}}) {
      ASSERT_TRUE(
          vev::test::writeSineSample(folder.path / sample.name, sample.hertz, sample.seconds));
    }
  }

  // Runs the scenes for `frames` frames with the key script, heard into a WAV file.
  std::optional<Recording> hear(const std::string& scenes, long frames, const std::string& keys,
                                const std::string& extra = {}) {
    std::ofstream(folder.path / "run.keys") << keys;
    const SceneRun run = runScene("run " + scenes + " --frames " + std::to_string(frames) +
                                      " --keys run.keys --sound-wav heard.wav " + extra,
                                  folder.path);
    EXPECT_EQ(run.status, 0) << run.err;
    return vev::test::readRecording(folder.path / "heard.wav");
  }

  ScratchFolder folder{"sound_run"};
};

TEST_F(SoundRun, AFightIsSilentUntilTheFirstShotAndHeardFromThenOn) {
  constexpr long kFrames = 70;
  const std::optional<Recording> heard =
      hear("gunner.zsf target.zsf", kFrames, "20 down 32\n40 up 32\n", "--json end.json");
  ASSERT_TRUE(heard);
  EXPECT_GT(heard->seconds(), kFrames * kFrameSeconds * 0.9);
  // Frame 20 comes 0.8 s after the start. A slow frame only delays what follows, but the device
  // mixes a period at a time and so may place a sound some 30 ms before the frame that started
  // it: the silence is checked up to five frames before the shot.
  constexpr double kQuietUntil = 15 * kFrameSeconds;
  EXPECT_EQ(heard->rms(0.0, kQuietUntil), 0.0);
  EXPECT_GT(heard->rms(kQuietUntil, heard->seconds()), 0.01);

  const QJsonObject end = vev::test::parseJson(readFile(folder.path / "end.json"));
  for (const QJsonValue& identity : end["identities"].toArray()) {
    if (identity.toObject()["name"].toString() == "Target") {
      EXPECT_EQ(identity.toObject()["alive"].toInt(), 0) << "the shots hit and destroyed it";
    }
  }
}

TEST_F(SoundRun, AJetAtFullThrottleIsLouderAndHigherThanAtIdle) {
  const std::optional<Recording> idle = hear("engine.zsf", 25, "");
  ASSERT_TRUE(idle);
  const std::optional<Recording> full = hear("engine.zsf", 25, "1 down 84\n");
  ASSERT_TRUE(full);
  // The last 0.4 s of each: long after the throttle has reached its end in four frames.
  const auto window = [](const Recording& heard) {
    return std::pair{heard.seconds() - 0.45, heard.seconds() - 0.05};
  };
  const auto [idleFrom, idleTo] = window(*idle);
  const auto [fullFrom, fullTo] = window(*full);
  const double idleRms = idle->rms(idleFrom, idleTo);
  EXPECT_GT(idleRms, 0.01);
  // Gains 0.2 and 0.45 with the free camera 9.5 m from the jet.
  EXPECT_NEAR(full->rms(fullFrom, fullTo) / idleRms, 2.25, 0.25);
  EXPECT_NEAR(idle->dominantHertz(idleFrom, idleTo, 50.0, 2000.0), kEngineHertz, 5.0);
  EXPECT_NEAR(full->dominantHertz(fullFrom, fullTo, 50.0, 2000.0), kEngineHertz * std::sqrt(10.0),
              10.0);
}

TEST_F(SoundRun, AWaveFileThatCannotBeWrittenFailsTheRun) {
  const SceneRun run =
      runScene("run engine.zsf --frames 2 --sound-wav no/such/folder/heard.wav", folder.path);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("no/such/folder/heard.wav"), std::string::npos) << run.err;
}

}  // namespace
