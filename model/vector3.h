#pragma once

#include <array>
#include <cmath>

namespace vev {

// World coordinates in metres, or a direction; single precision as stored in every record.
using Vec3 = std::array<float, 3>;

inline Vec3 operator+(const Vec3& a, const Vec3& b) {
  return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
inline Vec3 operator-(const Vec3& a, const Vec3& b) {
  return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
inline Vec3 operator*(float s, const Vec3& v) {
  return {s * v[0], s * v[1], s * v[2]};
}

inline float dot(const Vec3& a, const Vec3& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
inline float length(const Vec3& v) {
  return std::sqrt(dot(v, v));
}
inline bool isZero(const Vec3& v) {
  return v[0] == 0.0f && v[1] == 0.0f && v[2] == 0.0f;
}

// a x b.
inline Vec3 cross(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Divides v by its length in place; a zero vector is left as it is rather than turned into NaN.
inline void normalise(Vec3& v) {
  const float len = length(v);
  if (len > 0.0f) v = (1.0f / len) * v;
}

}  // namespace vev
