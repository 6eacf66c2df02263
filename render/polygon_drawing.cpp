#include "render/polygon_drawing.h"

#include <GL/gl.h>

#include <cstddef>

#include "render/draw_order.h"

namespace vev {
namespace {

// What one pass draws: the faces of one texture, or (null) the untextured faces.
struct Pass {
  const TextureEntry* texture = nullptr;
  bool uploaded = false;
};

bool texturesShown(const TextureList& textures, const RenderSettings& settings) {
  return !textures.entries().empty() && settings.textures && settings.shading != 'w';
}

void setUpTextures(const RenderSettings& settings) {
  glBindTexture(GL_TEXTURE_2D, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, settings.clampTextures ? GL_CLAMP : GL_REPEAT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
}

// An entry whose bitmap could not be read, or whose rows fall short of its size, has nothing to
// send; its faces are then drawn in their lit colours.
bool hasImage(const TextureEntry& entry) {
  if (!entry.loaded || entry.imageWidth <= 0 || entry.imageHeight <= 0) return false;
  const std::size_t stride = (static_cast<std::size_t>(entry.imageWidth) * 3 + 3) & ~std::size_t{3};
  return entry.rgbPixels.size() >= stride * static_cast<std::size_t>(entry.imageHeight);
}

bool uploadTexture(const TextureEntry& entry) {
  if (!hasImage(entry)) return false;
  glTexImage2D(GL_TEXTURE_2D, 0, 3, entry.imageWidth, entry.imageHeight, 0, GL_RGB,
               GL_UNSIGNED_BYTE, entry.rgbPixels.data());
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  return true;
}

bool belongsToPass(const Polygon& polygon, const Pass& pass) {
  if (!pass.texture) return !polygon.textured;
  return polygon.textured && polygon.textureName == pass.texture->path;
}

void setColour(const PolygonVertex& vertex) {
  glColor4f(vertex.colour[0], vertex.colour[1], vertex.colour[2], vertex.colour[3]);
}

// A closed loop through the vertices, never textured or blended and seen from either side.
void drawOutline(const Polygon& polygon, bool flat) {
  const PolygonVertex& first = polygon.vertices.front();
  if (flat) setColour(first);
  glBegin(GL_LINE_STRIP);
  for (const PolygonVertex& vertex : polygon.vertices) {
    if (!flat) glColor3f(vertex.colour[0], vertex.colour[1], vertex.colour[2]);
    glVertex3f(vertex.position[0], vertex.position[1], vertex.position[2]);
  }
  if (!flat) glColor3f(first.colour[0], first.colour[1], first.colour[2]);
  glVertex3f(first.position[0], first.position[1], first.position[2]);
  glEnd();
}

bool facesCamera(const Polygon& polygon, const Pose& camera) {
  Vec3 view = polygon.vertices.front().position - camera.position;
  normalise(view);
  return dot(view, polygon.normal) <= 0.0f;
}

void drawFilled(const Polygon& polygon, bool flat, bool useTexture, bool blend) {
  if (useTexture) glEnable(GL_TEXTURE_2D);
  if (blend) glEnable(GL_BLEND);
  if (flat) setColour(polygon.vertices.front());
  glBegin(GL_TRIANGLE_FAN);
  for (const PolygonVertex& vertex : polygon.vertices) {
    if (!flat) setColour(vertex);
    if (useTexture) glTexCoord2f(vertex.u, vertex.v);
    glVertex3f(vertex.position[0], vertex.position[1], vertex.position[2]);
  }
  glEnd();
  if (blend) glDisable(GL_BLEND);
  if (useTexture) glDisable(GL_TEXTURE_2D);
}

void drawPolygon(const Polygon& polygon, const Pose& camera, const RenderSettings& settings,
                 bool textureBound) {
  if (polygon.vertices.empty()) return;
  const bool wire = settings.shading == 'w';
  const bool flat = !(settings.shading == 's' && polygon.smooth);
  if (polygon.outline || wire) {
    drawOutline(polygon, flat);
    return;
  }
  if (!polygon.twoSided && !facesCamera(polygon, camera)) return;
  drawFilled(polygon, flat, polygon.textured && textureBound, polygon.blend != 0);
}

void drawPass(const DrawList& drawList, const Pass& pass, const Pose& camera,
              const RenderSettings& settings) {
  for (const Polygon* polygon : drawList) {
    if (polygon->visible && belongsToPass(*polygon, pass)) {
      drawPolygon(*polygon, camera, settings, pass.uploaded);
    }
  }
}

}  // namespace

void drawPolygonList(DrawList& drawList, const Pose& camera, const TextureList& textures,
                     const RenderSettings& settings) {
  if (drawList.empty()) return;
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  glShadeModel(GL_SMOOTH);
  cullByRange(drawList, camera);
  orderBlendedLast(drawList);
  const bool showTextures = texturesShown(textures, settings);
  if (showTextures) setUpTextures(settings);
  for (const TextureEntry& entry : textures.entries()) {
    const Pass pass{&entry, showTextures && uploadTexture(entry)};
    drawPass(drawList, pass, camera, settings);
  }
  drawPass(drawList, Pass{}, camera, settings);
}

}  // namespace vev
