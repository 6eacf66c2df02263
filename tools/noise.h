#pragma once

#include <cstdint>

namespace vev::assets {

// A value in [0, 1) fixed by the lattice point and the seed.
double latticeValue(int x, int y, std::uint32_t seed);

// Smoothly interpolated lattice values. The lattice wraps every `period` cells, so a texture
// that spans whole periods tiles without a seam. x and y are in cells.
double valueNoise(double x, double y, int period, std::uint32_t seed);

// `octaves` layers of value noise, each twice as fine and half as strong, normalised to [0, 1).
// `period` is the coarsest layer's; each finer layer doubles it, so the sum tiles too.
double fractalNoise(double x, double y, int period, int octaves, std::uint32_t seed);

}  // namespace vev::assets
