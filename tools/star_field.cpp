#include "tools/star_field.h"

#include "tools/noise.h"
#include "tools/random.h"

namespace vev::assets {
namespace {

Colour starTint(Random& random) {
  const double pick = random.unit();
  if (pick < 0.15) return {0.75, 0.85, 1.00};  // blue-white
  if (pick < 0.80) return {1.00, 1.00, 1.00};
  if (pick < 0.93) return {1.00, 0.92, 0.70};  // yellow
  return {1.00, 0.70, 0.60};                   // red
}

void brighten(Image& image, int x, int y, const Colour& light) {
  const int w = image.width();
  const int h = image.height();
  const int wx = ((x % w) + w) % w;
  const int wy = ((y % h) + h) % h;
  const auto old = image.at(wx, wy);
  const Colour current{old[0] / 255.0, old[1] / 255.0, old[2] / 255.0};
  image.set(wx, wy, current + light);
}

}  // namespace

void addStars(Image& image, int count, std::uint32_t seed, const StarMask& mask) {
  Random random(seed);
  for (int i = 0; i < count; ++i) {
    const int x = random.below(image.width());
    const int y = random.below(image.height());
    const double r = random.unit();
    // Brightness falls off steeply: many faint stars, a handful of bright ones.
    const double brightness = 0.25 + 0.75 * r * r * r;
    const Colour tint = starTint(random);
    const double visible = mask(x, y);
    if (visible <= 0.0) continue;
    const Colour light = (brightness * visible) * tint;
    brighten(image, x, y, light);
    if (brightness > 0.6) {
      const Colour glow = 0.35 * light;
      brighten(image, x + 1, y, glow);
      brighten(image, x - 1, y, glow);
      brighten(image, x, y + 1, glow);
      brighten(image, x, y - 1, glow);
    }
  }
}

Colour skyBackground(int x, int y, int side, std::uint32_t seed) {
  const double mottle = fractalNoise(x / 32.0, y / 32.0, side / 32, 4, seed);
  return {0.010 + 0.020 * mottle, 0.010 + 0.018 * mottle, 0.020 + 0.035 * mottle};
}

}  // namespace vev::assets
