#include "tools/noise.h"

#include <cmath>

namespace vev::assets {
namespace {

int wrap(int value, int period) {
  const int r = value % period;
  return r < 0 ? r + period : r;
}

double fade(double t) {
  return t * t * (3.0 - 2.0 * t);
}

}  // namespace

double latticeValue(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9U;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6BU;
  h = (h ^ (h >> 13U)) * 0xC2B2AE35U;
  h ^= static_cast<std::uint32_t>(y) * 0x27D4EB2FU;
  h = (h ^ (h >> 15U)) * 0x165667B1U;
  h ^= h >> 16U;
  return static_cast<double>(h) / 4294967296.0;
}

double valueNoise(double x, double y, int period, std::uint32_t seed) {
  const double fx = std::floor(x);
  const double fy = std::floor(y);
  const int x0 = wrap(static_cast<int>(fx), period);
  const int y0 = wrap(static_cast<int>(fy), period);
  const int x1 = wrap(x0 + 1, period);
  const int y1 = wrap(y0 + 1, period);
  const double tx = fade(x - fx);
  const double ty = fade(y - fy);
  const double top =
      latticeValue(x0, y0, seed) + (latticeValue(x1, y0, seed) - latticeValue(x0, y0, seed)) * tx;
  const double bottom =
      latticeValue(x0, y1, seed) + (latticeValue(x1, y1, seed) - latticeValue(x0, y1, seed)) * tx;
  return top + (bottom - top) * ty;
}

double fractalNoise(double x, double y, int period, int octaves, std::uint32_t seed) {
  double sum = 0.0;
  double weight = 1.0;
  double total = 0.0;
  double scale = 1.0;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += weight * valueNoise(x * scale, y * scale, period * static_cast<int>(scale),
                               seed + static_cast<std::uint32_t>(octave) * 101U);
    total += weight;
    weight *= 0.5;
    scale *= 2.0;
  }
  return sum / total;
}

}  // namespace vev::assets
