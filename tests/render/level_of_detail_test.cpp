#include <gtest/gtest.h>

#include "render/level_of_detail.h"

namespace vev {
namespace {

TEST(LevelOfDetail, NoseStepsChangeJustAboveEachBoundary) {
  EXPECT_EQ(noseStep(1.01f, 1.0f, false), 45);
  EXPECT_EQ(noseStep(1.0f, 1.0f, false), 5);
  EXPECT_EQ(noseStep(0.51f, 1.0f, false), 5);
  EXPECT_EQ(noseStep(0.5f, 1.0f, false), 10);
  EXPECT_EQ(noseStep(0.1f, 1.0f, false), 20);
  EXPECT_EQ(noseStep(0.06f, 1.0f, false), 20);
  EXPECT_EQ(noseStep(0.05f, 1.0f, false), 45);
  EXPECT_EQ(noseStep(3.0f, 0.0f, false), 5);  // a zero distance counts as r = 1
}

TEST(LevelOfDetail, TailStepsChangeAtEachBoundary) {
  EXPECT_EQ(tailStep(1.0f, 1.0f, false), 45);
  EXPECT_EQ(tailStep(0.99f, 1.0f, false), 5);
  EXPECT_EQ(tailStep(0.5f, 1.0f, false), 5);
  EXPECT_EQ(tailStep(0.49f, 1.0f, false), 10);
  EXPECT_EQ(tailStep(0.1f, 1.0f, false), 10);
  EXPECT_EQ(tailStep(0.05f, 1.0f, false), 20);
  EXPECT_EQ(tailStep(0.049f, 1.0f, false), 45);
  EXPECT_EQ(tailStep(0.5f, 0.0f, false), 45);
}

TEST(LevelOfDetail, SimpleShapesTakeTheCoarsestStepEverywhere) {
  EXPECT_EQ(noseStep(1.0f, 1.0f, true), 45);
  EXPECT_EQ(tailStep(0.5f, 1.0f, true), 45);
  EXPECT_EQ(roundBeamStep(false), 20);
  EXPECT_EQ(roundBeamStep(true), 45);
  EXPECT_EQ(roundNoseSlices(false), 8);
  EXPECT_EQ(roundNoseSlices(true), 4);
}

}  // namespace
}  // namespace vev
