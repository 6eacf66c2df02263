#include "render/line_segments.h"

#include <GL/gl.h>

namespace vev {

void drawLineSegments(const DebugLines& lines) {
  if (lines.empty()) return;
  glPushAttrib(GL_ENABLE_BIT);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  glDisable(GL_LIGHTING);
  glBegin(GL_LINES);
  for (const DebugSegment& line : lines) {
    glColor3f(line.colour[0], line.colour[1], line.colour[2]);
    glVertex3f(line.from[0], line.from[1], line.from[2]);
    glVertex3f(line.to[0], line.to[1], line.to[2]);
  }
  glEnd();
  glPopAttrib();
}

}  // namespace vev
