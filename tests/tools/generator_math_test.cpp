#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "tools/exact_math.h"
#include "tools/noise.h"
#include "tools/sounds.h"

namespace vev::assets {
namespace {

TEST(ExactMath, SineMatchesTheLibraryOverManyTurns) {
  for (double x = -40.0; x <= 40.0; x += 0.0137) {
    EXPECT_NEAR(exactSin(x), std::sin(x), 1e-12) << x;
  }
}

TEST(ExactMath, ExponentialMatchesTheLibraryRelatively) {
  for (double x = -30.0; x <= 30.0; x += 0.071) {
    EXPECT_NEAR(exactExp(x) / std::exp(x), 1.0, 1e-13) << x;
  }
}

TEST(Noise, WrapsAtItsPeriodSoThatPicturesTile) {
  for (double y = 0.0; y < 8.0; y += 0.37) {
    EXPECT_DOUBLE_EQ(valueNoise(0.25, y, 8, 5), valueNoise(8.25, y, 8, 5));
    EXPECT_DOUBLE_EQ(valueNoise(y, 1.5, 8, 5), valueNoise(y, 9.5, 8, 5));
    EXPECT_DOUBLE_EQ(fractalNoise(0.25, y, 4, 3, 5), fractalNoise(4.25, y, 4, 3, 5));
  }
}

// The engine loops replay endlessly: the step from the last sample back to the first must be no
// larger than the steps inside the loop, or every repeat clicks.
TEST(EngineSamples, LoopWithoutAJumpAtTheSeam) {
  for (const auto& samples : {makeEngineHum(), makeCruiserHum()}) {
    ASSERT_GT(samples.size(), 2U);
    double largestStep = 0.0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
      largestStep = std::fmax(largestStep, std::fabs(samples[i] - samples[i - 1]));
    }
    EXPECT_LE(std::fabs(samples.front() - samples.back()), largestStep);
  }
}

TEST(OneShotSamples, EndInSilenceAndStayInRange) {
  for (const auto& samples : {makeLaserZap(), makeHitCrack(), makeExplosion()}) {
    ASSERT_FALSE(samples.empty());
    EXPECT_EQ(samples.back(), 0.0);
    for (const double s : samples) ASSERT_LE(std::fabs(s), 1.0);
  }
}

}  // namespace
}  // namespace vev::assets
