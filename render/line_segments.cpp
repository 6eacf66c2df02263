#include "render/line_segments.h"

#include <GL/gl.h>

#include <array>
#include <cstddef>

namespace vev {
namespace {

// What the lines switch off, restored afterwards one by one: the browser's GL has no attribute
// stack.
constexpr std::array<GLenum, 3> kSwitchedOff{GL_TEXTURE_2D, GL_BLEND, GL_LIGHTING};

}  // namespace

void drawLineSegments(const DebugLines& lines) {
  if (lines.empty()) return;
  std::array<GLboolean, kSwitchedOff.size()> wasEnabled{};
  for (std::size_t i = 0; i < kSwitchedOff.size(); ++i) {
    wasEnabled[i] = glIsEnabled(kSwitchedOff[i]);
    glDisable(kSwitchedOff[i]);
  }
  glBegin(GL_LINES);
  for (const DebugSegment& line : lines) {
    glColor3f(line.colour[0], line.colour[1], line.colour[2]);
    glVertex3f(line.from[0], line.from[1], line.from[2]);
    glVertex3f(line.to[0], line.to[1], line.to[2]);
  }
  glEnd();
  for (std::size_t i = 0; i < kSwitchedOff.size(); ++i) {
    if (wasEnabled[i] == GL_TRUE) glEnable(kSwitchedOff[i]);
  }
}

}  // namespace vev
