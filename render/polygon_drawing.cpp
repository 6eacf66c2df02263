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
  // Faces of one shape come one after another: the texture looked up last mostly does again.
  const std::string* lastTexture = nullptr;
  std::vector<const Polygon*>* lastPass = nullptr;
  for (const Polygon* polygon : drawList) {
    if (!polygon->visible || polygon->vertices.empty()) continue;
    if (!polygon->textured) {
      passes.back().push_back(polygon);
      continue;
    }
    if (!polygon->texture) continue;
    if (polygon->texture != lastTexture) {
      const auto found = indexOf.find(*polygon->texture);
      lastTexture = polygon->texture;
      lastPass = found != indexOf.end() ? &passes[found->second] : nullptr;
    }
    if (lastPass) lastPass->push_back(polygon);
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

// What a run of filled faces shares in GL state, so that the run goes to GL as one list of
// triangles: one glBegin per run rather than per face is most of the drawing time saved. A flat
// run also shares its colour, given once before the run: GL interpolates a colour given per
// vertex, or picks one by flat shading, with other roundings than a colour given once.
struct FillState {
  bool texture = false;
  bool blend = false;
  bool flat = false;
  std::array<float, 4> colour{};  // of a flat run
  bool operator==(const FillState&) const = default;
};

// The filled faces of a pass, in their order, as runs of triangles.
class FillRuns {
 public:
  FillRuns() = default;
  FillRuns(const FillRuns&) = delete;
  FillRuns& operator=(const FillRuns&) = delete;
  ~FillRuns() { end(); }

  void add(const Polygon& polygon, const FillState& state) {
    if (polygon.vertices.size() < 3) return;
    if (!open_ || !(state_ == state)) begin(state);
    const auto& vertices = polygon.vertices;
    for (std::size_t i = 1; i + 1 < vertices.size(); ++i) {
      sendVertex(vertices[0]);
      sendVertex(vertices[i]);
      sendVertex(vertices[i + 1]);
    }
  }

  // Closes the open run and leaves GL as `resetDrawingState` set it.
  void end() {
    if (!open_) return;
    glEnd();
    if (state_.blend) glDisable(GL_BLEND);
    if (state_.texture) glDisable(GL_TEXTURE_2D);
    open_ = false;
  }

 private:
  void begin(const FillState& state) {
    end();
    if (state.texture) glEnable(GL_TEXTURE_2D);
    if (state.blend) glEnable(GL_BLEND);
    if (state.flat) glColor4fv(state.colour.data());
    glBegin(GL_TRIANGLES);
    open_ = true;
    state_ = state;
  }

  void sendVertex(const PolygonVertex& vertex) const {
    if (!state_.flat) setColour(vertex);
    if (state_.texture) glTexCoord2f(vertex.u, vertex.v);
    glVertex3fv(vertex.position.data());
  }

  bool open_ = false;
  FillState state_;
};

FillState fillStateOf(const Polygon& polygon, bool flat, bool textureBound) {
  FillState state{polygon.textured && textureBound, polygon.blend != 0, flat, {}};
  if (const auto* plainColour = shownUntextured(polygon, textureBound)) {
    state.flat = true;
    state.colour = *plainColour;
  } else if (flat) {
    state.colour = polygon.vertices.front().colour;
  }
  return state;
}

void drawPass(const std::vector<const Polygon*>& faces, bool textureBound, const Pose& camera,
              const RenderSettings& settings) {
  const bool wire = settings.shading == 'w';
  FillRuns runs;
  for (const Polygon* polygon : faces) {
    const bool flat = !(settings.shading == 's' && polygon->smooth);
    if (polygon->outline || wire) {
      runs.end();
      drawOutline(*polygon, flat);
    } else if (polygon->twoSided || facesCamera(*polygon, camera)) {
      runs.add(*polygon, fillStateOf(*polygon, flat, textureBound));
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

void drawPolygonList(DrawList& drawList, const ViewVolume& view, TextureCache& cache,
                     const TextureList& textures, const RenderSettings& settings) {
  if (drawList.empty()) return;
  resetDrawingState();
  cullOutsideView(drawList, view);
  orderBlendedLast(drawList);
  const bool showTextures = texturesShown(textures, settings);
  const auto passes = facesByTexture(drawList, textures);
  for (std::size_t i = 0; i < passes.size(); ++i) {
    if (passes[i].empty()) continue;
    const bool textured = i < textures.entries().size();
    const bool bound =
        textured && showTextures && cache.bind(textures, textures.entries()[i], settings);
    drawPass(passes[i], bound, view.camera(), settings);
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
    if (polygon->textured && polygon->texture && settings.textures) {
      if (!boundName || *boundName != *polygon->texture) {
        const TextureEntry* entry = textures.find(*polygon->texture);
        textured = entry && cache.bind(textures, *entry, settings);
        boundName = textured ? polygon->texture : nullptr;
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
