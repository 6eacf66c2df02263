#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

#include "gl_test_context.h"
#include "render/look_at.h"
#include "render/viewport.h"

namespace vev::test {
namespace {

using ViewportTest = GlTest;

TEST_F(ViewportTest, ResizeSetsTheViewportAndAspect) {
  resize(viewport_, 800, 600);
  GLint box[4] = {};
  glGetIntegerv(GL_VIEWPORT, box);
  EXPECT_EQ(box[0], 0);
  EXPECT_EQ(box[1], 0);
  EXPECT_EQ(box[2], 800);
  EXPECT_EQ(box[3], 600);
  EXPECT_NEAR(viewport_.aspect, 1.3333f, 1e-4f);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(ViewportTest, ZeroHeightTakesTheWidthAsAspect) {
  resize(viewport_, 640, 0);
  EXPECT_EQ(viewport_.aspect, 640.0f);
  EXPECT_EQ(viewport_.height, 0);
}

TEST_F(ViewportTest, ClearModesPickTheirColours) {
  clearFrame(3, 1.0f, 0.0f, 0.0f);
  Rgba p = centre();
  EXPECT_NEAR(p[0], 0.74 * 255, 1.0);
  EXPECT_NEAR(p[1], 0.80 * 255, 1.0);
  EXPECT_NEAR(p[2], 0.78 * 255, 1.0);

  clearFrame(0, 0.0f, 0.0f, 1.0f);
  EXPECT_EQ(centre(), (Rgba{0, 0, 255, 255}));
  clearFrame(2, 0.0f, 0.0f, 0.0f);
  EXPECT_EQ(centre(), (Rgba{255, 255, 255, 255}));
  // An unknown mode keeps the colour of the last clear.
  clearFrame(7, 0.0f, 1.0f, 0.0f);
  EXPECT_EQ(centre(), (Rgba{255, 255, 255, 255}));
  clearFrame(1, 1.0f, 1.0f, 1.0f);
  EXPECT_EQ(centre(), (Rgba{0, 0, 0, 255}));
}

// Draws a white wall at distance 10 ahead of a camera on the x axis that spans the vertical
// half-angle `halfAngle` (degrees) above and below the view direction.
void drawWall(float halfAngle) {
  const float half = 10.0f * std::tan(halfAngle * 3.14159265f / 180.0f);
  glColor3f(1.0f, 1.0f, 1.0f);
  glBegin(GL_TRIANGLE_FAN);
  glVertex3f(10.0f, -half, -100.0f);
  glVertex3f(10.0f, half, -100.0f);
  glVertex3f(10.0f, half, 100.0f);
  glVertex3f(10.0f, -half, 100.0f);
  glEnd();
}

// Row (from the top) at which a direction `angle` degrees above the view axis appears.
int rowOfAngle(float angle, float fov, int height) {
  const double t = std::tan(angle * M_PI / 180.0) / std::tan(fov / 2.0 * M_PI / 180.0);
  return static_cast<int>(std::lround(height / 2.0 * (1.0 - t)));
}

TEST_F(ViewportTest, CameraUsesItsOwnFieldOfViewAfterAResize) {
  resize(viewport_, kWidth, kHeight);
  lookFrom({0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, 60.0f);
  drawWall(20.0f);
  const int edge = rowOfAngle(20.0f, 60.0f, kHeight);
  EXPECT_EQ(pixel(kWidth / 2, edge + 2)[0], 255);
  EXPECT_EQ(pixel(kWidth / 2, edge - 2)[0], 0);
  // At 45 degrees the same wall reaches further towards the top.
  EXPECT_LT(rowOfAngle(20.0f, 45.0f, kHeight), edge - 4);
  ASSERT_TRUE(viewerPose_.has_value());
  EXPECT_EQ(viewerPose_->zoom, 60.0f);
}

TEST_F(ViewportTest, CameraLooksAlongItsTangentWithNormalUp) {
  // Looking down -z with +x up: a wall ahead on the +x side shows in the upper half only.
  lookFrom({0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, -1.0f}, {1.0f, 0.0f, 0.0f});
  glColor3f(1.0f, 1.0f, 1.0f);
  glBegin(GL_TRIANGLE_FAN);
  glVertex3f(0.5f, -50.0f, -10.0f);
  glVertex3f(50.0f, -50.0f, -10.0f);
  glVertex3f(50.0f, 50.0f, -10.0f);
  glVertex3f(0.5f, 50.0f, -10.0f);
  glEnd();
  EXPECT_EQ(pixel(kWidth / 2, 10)[0], 255);
  EXPECT_EQ(pixel(kWidth / 2, kHeight - 10)[0], 0);
}

std::array<float, 16> modelview() {
  std::array<float, 16> matrix{};
  glGetFloatv(GL_MODELVIEW_MATRIX, matrix.data());
  return matrix;
}

// The pictures keep their pixels only if our look-at gives GLU's matrix to the bit: cameras
// far out and near, up not at right angles to the view, and a view along up (no side).
TEST_F(ViewportTest, LookAtGivesGlusMatrixBitForBit) {
  std::mt19937 random(22);
  std::uniform_real_distribution<float> coordinate(-3000.0f, 3000.0f);
  std::uniform_real_distribution<float> direction(-1.0f, 1.0f);
  for (int i = 0; i < 2000; ++i) {
    const Vec3 eye{coordinate(random), coordinate(random) / 1000.0f, coordinate(random)};
    Vec3 centre{eye[0] + direction(random), eye[1] + direction(random), eye[2]};
    Vec3 up{direction(random), direction(random), direction(random)};
    if (i % 100 == 0) centre = eye + up;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye[0], eye[1], eye[2], centre[0], centre[1], centre[2], up[0], up[1], up[2]);
    const std::array<float, 16> expected = modelview();
    glLoadIdentity();
    multiplyLookAt(eye, centre, up);
    ASSERT_EQ(modelview(), expected) << "camera " << i;
  }
}

}  // namespace
}  // namespace vev::test
