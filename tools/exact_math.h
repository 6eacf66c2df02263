#pragma once

#include <cstdint>

// The generator's arithmetic. Everything it writes must come out byte for byte the same on any
// machine, so it uses only IEEE-exact operations (+, -, *, /, sqrt, floor) and builds its sine and
// exponential from them instead of relying on the C library's last-bit rounding.
namespace vev::assets {

inline constexpr double kPi = 3.14159265358979323846;

// sin(x) for any x, radians.
double exactSin(double x);

// e^x for |x| up to a few hundred.
double exactExp(double x);

inline double clamp01(double x) {
  return x < 0.0 ? 0.0 : (x > 1.0 ? 1.0 : x);
}

// 0 at edge0, 1 at edge1, with zero slope at both.
double smoothstep(double edge0, double edge1, double x);

inline double mix(double a, double b, double t) {
  return a + (b - a) * t;
}

}  // namespace vev::assets
