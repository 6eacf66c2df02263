#include "tools/exact_math.h"

#include <cmath>

namespace vev::assets {

double exactSin(double x) {
  // Reduce to [-pi, pi], then fold to [-pi/2, pi/2] where the series converges quickly.
  const double turns = std::floor(x / (2.0 * kPi) + 0.5);
  double r = x - turns * 2.0 * kPi;
  if (r > kPi / 2.0) r = kPi - r;
  if (r < -kPi / 2.0) r = -kPi - r;
  const double r2 = r * r;
  double term = r;
  double sum = r;
  for (int n = 1; n <= 10; ++n) {
    term *= -r2 / static_cast<double>((2 * n) * (2 * n + 1));
    sum += term;
  }
  return sum;
}

double exactExp(double x) {
  // e^x = 2^k e^r with |r| <= ln2 / 2.
  constexpr double kLn2 = 0.69314718055994530942;
  const double k = std::floor(x / kLn2 + 0.5);
  const double r = x - k * kLn2;
  double term = 1.0;
  double sum = 1.0;
  for (int n = 1; n <= 16; ++n) {
    term *= r / static_cast<double>(n);
    sum += term;
  }
  return std::ldexp(sum, static_cast<int>(k));
}

double smoothstep(double edge0, double edge1, double x) {
  const double t = clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3.0 - 2.0 * t);
}

}  // namespace vev::assets
