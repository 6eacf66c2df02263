#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>

#include "model/pose.h"
#include "render/offscreen/offscreen_context.h"
#include "render/viewport.h"

namespace vev::test {

using Rgba = std::array<std::uint8_t, 4>;

// A fresh software context per test, resized and cleared to black, with the free camera of the
// start-up looking along +x unless a test sets another.
class GlTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 200;
  static constexpr int kHeight = 150;

  GlTest() = default;
  GlTest(int width, int height) : width_(width), height_(height) {}

  void SetUp() override {
    context_ = OffscreenContext::create(width_, height_);
    ASSERT_TRUE(context_.has_value());
    resize(viewport_, width_, height_);
    clearFrame(0, 0.0f, 0.0f, 0.0f);
    camera_ = unitPose({0.0f, 0.0f, 0.0f});
    camera_.zoom = 45.0f;
    setCamera(viewport_, camera_, viewerPose_);
  }

  // Looks from `position` along `tangent` with `normal` up.
  void lookFrom(const Vec3& position, const Vec3& tangent, const Vec3& normal, float zoom = 45.0f) {
    camera_.position = position;
    camera_.tangent = tangent;
    camera_.normal = normal;
    camera_.binormal = cross(tangent, normal);
    camera_.zoom = zoom;
    setCamera(viewport_, camera_, viewerPose_);
  }

  Rgba pixel(int x, int y) const { return context_->pixel(x, y); }
  Rgba centre() const { return pixel(width_ / 2, height_ / 2); }

  int countLit(int x0, int y0, int x1, int y1) const {
    int lit = 0;
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        const Rgba p = pixel(x, y);
        if (p[0] + p[1] + p[2] > 0) ++lit;
      }
    }
    return lit;
  }
  int countLitEverywhere() const { return countLit(0, 0, width_, height_); }

  int width_ = kWidth;
  int height_ = kHeight;
  std::optional<OffscreenContext> context_;
  Viewport viewport_;
  Pose camera_;
  std::optional<Pose> viewerPose_;
};

}  // namespace vev::test
