#include "render/offscreen/offscreen_context.h"

#include <GL/gl.h>
#include <GL/osmesa.h>

#include <utility>

// Mesa's offscreen library keeps a framebuffer record per context for the life of the process
// and never frees it; a leak checker linked into a program that renders offscreen is told so, so
// that it reports only leaks of our own, and says nothing of what it was told.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libOSMesa.so\n";
}

extern "C" const char* __lsan_default_options() {
  return "print_suppressions=0";
}

namespace vev {

// Destroying the current context also leaves no context current.
void OffscreenContext::ContextDeleter::operator()(osmesa_context* context) const {
  OSMesaDestroyContext(context);
}

std::optional<OffscreenContext> OffscreenContext::create(int width, int height) {
  if (width <= 0 || height <= 0) return std::nullopt;
  ContextHandle context(OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr));
  if (!context) return std::nullopt;
  auto pixels = std::make_unique<std::vector<std::uint8_t>>(static_cast<std::size_t>(width) *
                                                            static_cast<std::size_t>(height) * 4);
  if (!OSMesaMakeCurrent(context.get(), pixels->data(), GL_UNSIGNED_BYTE, width, height)) {
    return std::nullopt;
  }
  // Row 0 of the buffer is the top of the picture, as image files store it.
  OSMesaPixelStore(OSMESA_Y_UP, 0);
  return OffscreenContext(width, height, std::move(context), std::move(pixels));
}

OffscreenContext::OffscreenContext(int width, int height, ContextHandle context,
                                   std::unique_ptr<std::vector<std::uint8_t>> pixels)
    : width_(width), height_(height), context_(std::move(context)), pixels_(std::move(pixels)) {}

OffscreenContext::~OffscreenContext() = default;

std::array<std::uint8_t, 4> OffscreenContext::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {0, 0, 0, 0};
  glFinish();
  const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                          static_cast<std::size_t>(x)) *
                         4;
  const std::vector<std::uint8_t>& rows = *pixels_;
  return {rows[at], rows[at + 1], rows[at + 2], rows[at + 3]};
}

void OffscreenContext::finish() const {
  glFinish();
}

const std::vector<std::uint8_t>& OffscreenContext::rgbaRows() const {
  glFinish();
  return *pixels_;
}

}  // namespace vev
