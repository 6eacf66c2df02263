#include "render/look_at.h"

#include <GL/gl.h>

#include <cmath>

namespace vev {
namespace {

using Axis = std::array<float, 3>;

void normaliseAxis(Axis& v) {
  const auto length =
      static_cast<float>(std::sqrt(static_cast<double>(v[0] * v[0] + v[1] * v[1] + v[2] * v[2])));
  if (length == 0.0f) return;
  for (float& c : v) c /= length;
}

Axis crossAxes(const Axis& a, const Axis& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// The difference taken in double precision and then rounded, as the look-at's double
// arguments give it.
float difference(float to, float from) {
  return static_cast<float>(static_cast<double>(to) - static_cast<double>(from));
}

}  // namespace

std::array<float, 16> lookAtRotation(const Vec3& eye, const Vec3& centre, const Vec3& up) {
  Axis forward{difference(centre[0], eye[0]), difference(centre[1], eye[1]),
               difference(centre[2], eye[2])};
  normaliseAxis(forward);
  Axis side = crossAxes(forward, up);
  normaliseAxis(side);
  const Axis trueUp = crossAxes(side, forward);
  return {side[0], trueUp[0], -forward[0], 0.0f,  //
          side[1], trueUp[1], -forward[1], 0.0f,  //
          side[2], trueUp[2], -forward[2], 0.0f,  //
          0.0f,    0.0f,      0.0f,        1.0f};
}

void multiplyLookAt(const Vec3& eye, const Vec3& centre, const Vec3& up) {
  const std::array<float, 16> rotation = lookAtRotation(eye, centre, up);
  glMultMatrixf(rotation.data());
  glTranslated(-static_cast<double>(eye[0]), -static_cast<double>(eye[1]),
               -static_cast<double>(eye[2]));
}

}  // namespace vev
