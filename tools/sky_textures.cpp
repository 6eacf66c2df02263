#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/exact_math.h"
#include "tools/noise.h"
#include "tools/star_field.h"
#include "tools/textures.h"

namespace vev::assets {
namespace {

constexpr int kSkySide = 256;
constexpr int kNoTiling = 1024;  // a lattice period wider than the picture

double distanceFromCentre(int x, int y) {
  const double dx = x + 0.5 - kSkySide / 2.0;
  const double dy = y + 0.5 - kSkySide / 2.0;
  return std::sqrt(dx * dx + dy * dy);
}

Image emptySky(std::uint32_t seed) {
  Image image(kSkySide, kSkySide);
  for (int y = 0; y < kSkySide; ++y) {
    for (int x = 0; x < kSkySide; ++x) image.set(x, y, skyBackground(x, y, kSkySide, seed));
  }
  return image;
}

// The planet's surface colour at a point of its disc, (nx, ny) in [-1, 1].
Colour bandColour(double nx, double ny) {
  const Colour cream{0.93, 0.85, 0.70};
  const Colour tan{0.80, 0.58, 0.38};
  const Colour rust{0.62, 0.34, 0.22};
  const double swirl = fractalNoise(nx * 6.0 + 10.0, ny * 18.0 + 10.0, kNoTiling, 4, 71);
  const double band = exactSin(ny * kPi * 5.0 + swirl * 2.2);
  Colour colour = mixColour(cream, tan, 0.5 + 0.5 * band);
  // A darker belt just south of the equator.
  const double belt = 1.0 - smoothstep(0.0, 0.12, std::fabs(ny - 0.22 + 0.05 * swirl));
  return mixColour(colour, rust, 0.7 * belt);
}

}  // namespace

Image makeStars() {
  Image image = emptySky(61);
  addStars(image, 420, 62, [](int, int) { return 1.0; });
  return image;
}

Image makeNebula() {
  Image image = emptySky(81);
  const Colour deepBlue{0.10, 0.16, 0.55};
  const Colour magenta{0.78, 0.20, 0.58};
  const Colour core{1.00, 0.86, 0.95};
  std::vector<double> density(static_cast<std::size_t>(kSkySide * kSkySide));
  for (int y = 0; y < kSkySide; ++y) {
    for (int x = 0; x < kSkySide; ++x) {
      const double cloud = fractalNoise(x / 40.0, y / 40.0, kNoTiling, 5, 82);
      const double falloff =
          1.0 - smoothstep(0.45, 0.99, distanceFromCentre(x, y) / (kSkySide / 2.0));
      const double d = clamp01((cloud - 0.33) * 2.8) * falloff;
      density[static_cast<std::size_t>(y * kSkySide + x)] = d;
      const double hue = fractalNoise(x / 64.0, y / 64.0, kNoTiling, 3, 83);
      Colour gas = mixColour(deepBlue, magenta, clamp01(hue * 1.6 - 0.3));
      gas = mixColour(gas, core, 0.6 * d * d);
      image.set(x, y, skyBackground(x, y, kSkySide, 81) + (0.95 * d) * gas);
    }
  }
  addStars(image, 300, 84, [&](int x, int y) {
    return 1.0 - 0.6 * density[static_cast<std::size_t>(y * kSkySide + x)];
  });
  return image;
}

Image makePlanet() {
  constexpr double kRadius = 100.0;
  constexpr double kHaze = 9.0;
  Image image = emptySky(91);
  // Sunlight from the upper left, a little toward the viewer.
  const double lx = -0.80;
  const double ly = -0.35;
  const double lz = std::sqrt(1.0 - lx * lx - ly * ly);
  for (int y = 0; y < kSkySide; ++y) {
    for (int x = 0; x < kSkySide; ++x) {
      const double r = distanceFromCentre(x, y);
      const double nx = (x + 0.5 - kSkySide / 2.0) / kRadius;
      const double ny = (y + 0.5 - kSkySide / 2.0) / kRadius;
      const auto old = image.at(x, y);
      const Colour sky{old[0] / 255.0, old[1] / 255.0, old[2] / 255.0};
      if (r < kRadius) {
        const double nz = std::sqrt(1.0 - std::min(1.0, nx * nx + ny * ny));
        const double sun = nx * lx + ny * ly + nz * lz;
        const double light = 0.03 + 0.97 * smoothstep(-0.12, 0.45, sun);
        const double limb = 0.55 + 0.45 * nz;
        Colour colour = (light * limb) * bandColour(nx, ny);
        // Blue haze thickening toward the lit edge.
        const double rim = smoothstep(0.75, 1.0, r / kRadius) * clamp01(sun + 0.3);
        colour = mixColour(colour, Colour{0.50, 0.70, 1.00}, 0.45 * rim);
        image.set(x, y, colour);
      } else if (r < kRadius + kHaze) {
        const double fade = 1.0 - (r - kRadius) / kHaze;
        const double sun = clamp01((nx * lx + ny * ly) / std::sqrt(nx * nx + ny * ny) + 0.2);
        image.set(x, y, sky + (0.8 * fade * fade * sun) * Colour{0.45, 0.65, 1.00});
      }
    }
  }
  addStars(image, 260, 92, [&](int x, int y) {
    return distanceFromCentre(x, y) > kRadius + kHaze + 2.0 ? 1.0 : 0.0;
  });
  return image;
}

}  // namespace vev::assets
