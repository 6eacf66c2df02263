#pragma once

#include <cstdint>
#include <functional>

#include "tools/image.h"

namespace vev::assets {

// How much of a star at a pixel shows, in [0, 1]; 0 hides it.
using StarMask = std::function<double(int x, int y)>;

// Adds `count` stars from `seed` to the image: mostly faint points, a few bright ones with a
// small cross of glow, tinted blue, white, yellow or red. Glows wrap across the edges so that the
// picture still tiles.
void addStars(Image& image, int count, std::uint32_t seed, const StarMask& mask);

// The near-black sky between the stars, faintly mottled; tiles over `side` pixels.
Colour skyBackground(int x, int y, int side, std::uint32_t seed);

}  // namespace vev::assets
