#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vev::assets {

// A colour with channels in [0, 1]; values outside are clamped when the image is stored.
using Colour = std::array<double, 3>;

inline Colour operator*(double s, const Colour& c) {
  return {s * c[0], s * c[1], s * c[2]};
}
inline Colour operator+(const Colour& a, const Colour& b) {
  return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
inline Colour mixColour(const Colour& a, const Colour& b, double t) {
  return (1.0 - t) * a + t * b;
}

// An RGB picture, row 0 at the top, 8 bits per channel.
class Image {
 public:
  Image(int width, int height)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height) * 3U) {}

  int width() const { return width_; }
  int height() const { return height_; }

  void set(int x, int y, const Colour& colour);
  std::array<std::uint8_t, 3> at(int x, int y) const;

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace vev::assets
