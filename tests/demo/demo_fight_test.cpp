#include <gtest/gtest.h>

#include <map>

#include "tests/demo/demo_flight.h"

// The demonstration flown for two minutes: the pilot keeps the computer-flown craft turning and
// accelerating near the start while the player's craft hunts one of them with its lasers.
namespace vev::demo {
namespace {

constexpr int kFightFrames = 3000;  // two minutes at 25 frames a second

// Steers the player's craft at its target from the flight instruments alone, as a player
// watching the HUD would, and holds both fire keys while the target is in the sights.
class Gunner {
 public:
  explicit Gunner(DemoFlight& flight) : flight_(flight) {}

  // Presses the target keys, one press a frame, until the target is named `name`.
  bool selectTarget(const std::string& name) {
    for (int i = 0; i < 20; ++i) {
      const Identity* target = flight_.player()->target;
      if (target && target->name == name) return true;
      flight_.press(kS);
      flight_.frames(1);
    }
    return false;
  }

  // One frame of pursuit.
  void fly() {
    const Identity& player = *flight_.player();
    const Pose& instruments = player.pose;
    const bool tracking = player.target != nullptr;
    const float azimuth = instruments.targetAzimuth;
    const float elevation = instruments.targetElevation;
    const float range = instruments.targetRange;
    set(kRight, tracking && azimuth > kDeadBand);
    set(kLeft, tracking && azimuth < -kDeadBand);
    set(kUp, tracking && elevation > kDeadBand);
    set(kDown, tracking && elevation < -kDeadBand);
    set(kT, tracking && range > 260.0f);
    set(kB, !tracking || range < 160.0f);
    const bool inSights =
        tracking && std::fabs(azimuth) < 3.0f && std::fabs(elevation) < 3.0f && range < 700.0f;
    set(kSpace, inSights);
    set(kShift, inSights);
    framesFiring_ += inSights;
    flight_.frames(1);
  }

  int framesFiring() const { return framesFiring_; }

 private:
  static constexpr float kDeadBand = 1.0f;  // degrees

  void set(KeyCode key, bool down) { flight_.view.model.keyState[key] = down ? 1 : 0; }

  DemoFlight& flight_;
  int framesFiring_ = 0;
};

using DemoFight = DemoFlight;

TEST_F(DemoFight, ComputerCraftFightNearTheStartAndTheTargetFallsToTheLasers) {
  std::map<const Identity*, Vec3> start;
  for (const Identity* craft : computerCraft()) start[craft] = craft->pose.position;
  ASSERT_EQ(start.size(), 6u);

  Gunner gunner(*this);
  ASSERT_TRUE(gunner.selectTarget("CRUISER"));
  Identity* cruiser = player()->target;
  int frame = 0;
  for (; frame < kFightFrames; ++frame) {
    gunner.fly();
    if (frame == 250) {
      for (const Identity* craft : computerCraft()) {
        EXPECT_GT(speed(*craft), 5.0f) << craft->hudName << " accelerates on the pilot's T";
        EXPECT_GT(length(craft->pose.position - start[craft]), 50.0f) << craft->hudName;
      }
    }
  }

  ASSERT_EQ(computerCraft().size(), 6u) << "destroyed craft stay as wrecks";
  for (const Identity* craft : computerCraft()) {
    const float distance = length(craft->pose.position - start[craft]);
    EXPECT_LT(distance, 1500.0f) << craft->hudName << " " << craft->name << " flew off";
  }
  ASSERT_NE(cruiser->damage, nullptr);
  EXPECT_EQ(cruiser->damage->destroyed, 1)
      << "after " << gunner.framesFiring() << " frames with the lasers held on it";
  EXPECT_EQ(cruiser->alive, 0);
  EXPECT_EQ(player()->target, nullptr) << "a destroyed target is dropped";
}

}  // namespace
}  // namespace vev::demo
