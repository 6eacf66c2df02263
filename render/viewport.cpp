#include "render/viewport.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "render/look_at.h"

namespace vev {

void resize(Viewport& viewport, int width, int height) {
  viewport.width = static_cast<std::int16_t>(width);
  viewport.height = static_cast<std::int16_t>(height);
  glViewport(0, 0, width, height);
  viewport.aspect = height == 0 ? static_cast<float>(width)
                                : static_cast<float>(width) / static_cast<float>(height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(kDefaultFov, viewport.aspect, kNearPlane, kFarPlane);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_DEPTH_TEST);
}

void clearFrame(int mode, float r, float g, float b) {
  switch (mode) {
    case 0:
      glClearColor(r, g, b, 1.0f);
      break;
    case 1:
      glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
      break;
    case 2:
      glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
      break;
    case 3:
      glClearColor(0.74f, 0.8f, 0.78f, 1.0f);
      break;
    default:
      break;
  }
  glDisable(GL_SCISSOR_TEST);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glClearDepth(1.0);
}

void setCamera(const Viewport& viewport, const Pose& camera, std::optional<Pose>& viewerPose) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(camera.zoom, viewport.aspect, kNearPlane, kFarPlane);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  multiplyLookAt(camera.position, camera.position + camera.tangent, camera.normal);
  viewerPose = camera;
}

void resetCurrentMatrix() {
  glLoadIdentity();
}

}  // namespace vev
