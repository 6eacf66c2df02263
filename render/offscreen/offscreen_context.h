#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

struct osmesa_context;

namespace vev {

// A software GL context drawing into memory, for tests and command-line rendering: no display and
// no GPU. It is current on the calling thread from creation until it is destroyed.
class OffscreenContext {
 public:
  // An RGBA colour buffer of width x height with a 24-bit depth and an 8-bit stencil buffer, made
  // current; empty when the context cannot be created.
  static std::optional<OffscreenContext> create(int width, int height);

  OffscreenContext(OffscreenContext&&) noexcept = default;
  OffscreenContext& operator=(OffscreenContext&&) noexcept = default;
  ~OffscreenContext();

  int width() const { return width_; }
  int height() const { return height_; }

  // The colour at column x and row y, counted from the top left, once drawing has finished.
  std::array<std::uint8_t, 4> pixel(int x, int y) const;
  // The whole frame as RGBA rows, top row first.
  const std::vector<std::uint8_t>& rgbaRows() const;
  // Waits until every GL command issued so far has been carried out, as a buffer swap would.
  void finish() const;

 private:
  struct ContextDeleter {
    void operator()(osmesa_context* context) const;
  };
  using ContextHandle = std::unique_ptr<osmesa_context, ContextDeleter>;

  OffscreenContext(int width, int height, ContextHandle context,
                   std::unique_ptr<std::vector<std::uint8_t>> pixels);

  int width_ = 0;
  int height_ = 0;
  ContextHandle context_;
  // Held apart so that the address the context draws into survives a move.
  std::unique_ptr<std::vector<std::uint8_t>> pixels_;
};

}  // namespace vev
