#include "render/polygon_drawing.h"

#include <GL/gl.h>

#include <array>
#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/scene_node.h"
#include "render/draw_order.h"

namespace vev {
namespace {

bool texturesShown(const TextureList& textures, const RenderSettings& settings) {
  return !textures.entries().empty() && settings.textures && settings.shading != 'w';
}

bool facesCamera(const Polygon& polygon, const Pose& camera) {
  Vec3 view = polygon.vertices.front().position - camera.position;
  normalise(view);
  return dot(view, polygon.normal) <= 0.0f;
}

// The faces of each texture in draw-list order, one list per texture entry, then the untextured
// faces. A face whose texture is not in the list is in none.
std::vector<std::vector<const Polygon*>> facesByTexture(const DrawList& drawList,
                                                        const TextureList& textures) {
  const auto& entries = textures.entries();
  std::unordered_map<std::string_view, std::size_t> indexOf;
  for (std::size_t i = 0; i < entries.size(); ++i) indexOf.emplace(entries[i].path, i);
  std::vector<std::vector<const Polygon*>> passes(entries.size() + 1);
  for (const Polygon* polygon : drawList) {
    if (!polygon->visible || polygon->vertices.empty()) continue;
    if (!polygon->textured) {
      passes.back().push_back(polygon);
    } else if (const auto found = indexOf.find(polygon->textureName); found != indexOf.end()) {
      passes[found->second].push_back(polygon);
    }
  }
  return passes;
}

void setColour(const PolygonVertex& vertex) {
  glColor4f(vertex.colour[0], vertex.colour[1], vertex.colour[2], vertex.colour[3]);
}

// A closed loop through the vertices, never textured or blended and seen from either side.
// The faces are sent one by one in immediate mode: the rasteriser interpolates a colour given
// once differently from the same colour given per vertex, and which of the two a face gets in
// vertex arrays would depend on its neighbours, so arrays would move pixels.
void drawOutline(const Polygon& polygon, bool flat) {
  const PolygonVertex& first = polygon.vertices.front();
  if (flat) setColour(first);
  glBegin(GL_LINE_STRIP);
  for (const PolygonVertex& vertex : polygon.vertices) {
    if (!flat) glColor3f(vertex.colour[0], vertex.colour[1], vertex.colour[2]);
    glVertex3fv(vertex.position.data());
  }
  if (!flat) glColor3f(first.colour[0], first.colour[1], first.colour[2]);
  glVertex3fv(first.position.data());
  glEnd();
}

// The colour that a textured face drawn without its texture shows instead of its lit colour, if
// its shape names one.
const std::array<float, 4>* shownUntextured(const Polygon& polygon, bool textureBound) {
  if (!polygon.textured || textureBound || !polygon.owner || !polygon.owner->shape) return nullptr;
  const auto& untextured = polygon.owner->shape->untextured;
  return untextured ? &*untextured : nullptr;
}

void drawFilled(const Polygon& polygon, bool flat, bool useTexture, bool blend,
                const std::array<float, 4>* plainColour) {
  if (useTexture) glEnable(GL_TEXTURE_2D);
  if (blend) glEnable(GL_BLEND);
  if (plainColour) {
    glColor4fv(plainColour->data());
    flat = true;
  } else if (flat) {
    setColour(polygon.vertices.front());
  }
  glBegin(GL_TRIANGLE_FAN);
  for (const PolygonVertex& vertex : polygon.vertices) {
    if (!flat) setColour(vertex);
    if (useTexture) glTexCoord2f(vertex.u, vertex.v);
    glVertex3fv(vertex.position.data());
  }
  glEnd();
  if (blend) glDisable(GL_BLEND);
  if (useTexture) glDisable(GL_TEXTURE_2D);
}

void drawPass(const std::vector<const Polygon*>& faces, bool textureBound, const Pose& camera,
              const RenderSettings& settings) {
  const bool wire = settings.shading == 'w';
  for (const Polygon* polygon : faces) {
    const bool flat = !(settings.shading == 's' && polygon->smooth);
    if (polygon->outline || wire) {
      drawOutline(*polygon, flat);
    } else if (polygon->twoSided || facesCamera(*polygon, camera)) {
      drawFilled(*polygon, flat, polygon->textured && textureBound, polygon->blend != 0,
                 shownUntextured(*polygon, textureBound));
    }
  }
}

void resetDrawingState() {
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  glShadeModel(GL_SMOOTH);
}

}  // namespace

void drawPolygonList(DrawList& drawList, const Pose& camera, TextureCache& cache,
                     const TextureList& textures, const RenderSettings& settings) {
  if (drawList.empty()) return;
  resetDrawingState();
  cullByRange(drawList, camera);
  orderBlendedLast(drawList);
  const bool showTextures = texturesShown(textures, settings);
  const auto passes = facesByTexture(drawList, textures);
  for (std::size_t i = 0; i < passes.size(); ++i) {
    if (passes[i].empty()) continue;
    const bool textured = i < textures.entries().size();
    const bool bound =
        textured && showTextures && cache.bind(textures, textures.entries()[i], settings);
    drawPass(passes[i], bound, camera, settings);
  }
  glBindTexture(GL_TEXTURE_2D, 0);
}

void drawRawPolygons(const DrawList& drawList, TextureCache& cache, const TextureList& textures,
                     const RenderSettings& settings) {
  resetDrawingState();
  const std::string* boundName = nullptr;
  for (const Polygon* polygon : drawList) {
    if (polygon->vertices.empty()) continue;
    bool textured = false;
    if (polygon->textured && settings.textures) {
      if (!boundName || *boundName != polygon->textureName) {
        const TextureEntry* entry = textures.find(polygon->textureName);
        textured = entry && cache.bind(textures, *entry, settings);
        boundName = textured ? &polygon->textureName : nullptr;
      } else {
        textured = true;
      }
    }
    if (textured) glEnable(GL_TEXTURE_2D);
    glBegin(polygon->outline ? GL_LINE_LOOP : GL_TRIANGLE_FAN);
    for (const PolygonVertex& vertex : polygon->vertices) {
      glColor4fv(vertex.colour.data());
      glTexCoord2f(vertex.u, vertex.v);
      glVertex3fv(vertex.position.data());
    }
    glEnd();
    if (textured) glDisable(GL_TEXTURE_2D);
  }
  glBindTexture(GL_TEXTURE_2D, 0);
}

}  // namespace vev
