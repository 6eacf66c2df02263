#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/polygon.h"
#include "model/scene_node.h"
#include "render/build_context.h"

// One builder per family of node kinds. Each appends the node's new faces, in its own order, to
// the end of the Identity's polygon list; a node that lacks its shape, its pose or the parameter
// vertices its builder needs gets no faces.
namespace vev {

// QUAD, SMQUAD: one face through the node's vertices, or a backdrop fixed to the camera.
void buildQuad(SceneNode& node, std::vector<Polygon>& polygons, const BuildContext& context);
// QUADBEAM, HANGED, QUADBEAMSM, SMQUADBEAM, SMQUADBEAML: a tapered box with rounded ends.
void buildQuadBeam(SceneNode& node, std::vector<Polygon>& polygons, const BuildContext& context);
// ROUNDBEAM, CROUNDBEAM, CROUNDBEAMC, SMROUNDBEAMC: an elliptic tube, capped or with a nose.
void buildRoundBeam(SceneNode& node, std::vector<Polygon>& polygons, const BuildContext& context);
// RETIBEAM: a truss of lines coloured by the view direction.
void buildRetiBeam(SceneNode& node, std::vector<Polygon>& polygons, const BuildContext& context);
// JET: a flame cone whose length follows the throttle.
void buildJet(SceneNode& node, std::vector<Polygon>& polygons, const BuildContext& context);
// EXPLOSION: a disc facing the camera, as large as the explosion clock says.
void buildExplosion(SceneNode& node, std::vector<Polygon>& polygons, const BuildContext& context);
// LASERCANNON: the beam as one line.
void buildLaserCannon(SceneNode& node, std::vector<Polygon>& polygons, const BuildContext& context);

// The builder of a solid kind; null for explosions and for kinds without faces.
using ShapeBuilder = void (*)(SceneNode&, std::vector<Polygon>&, const BuildContext&);
ShapeBuilder solidBuilder(std::string_view kind);

// A lattice of more cells than this is not built, so that no file can make a frame unbounded.
inline constexpr std::int64_t kMaxLatticeCells = 4096;
// The cells of a RETIBEAM's lattice: its sections (at least one), rows and columns.
std::int64_t latticeCells(const SceneNode& node);
// Whether a QUAD or SMQUAD has the three vertices its face needs.
bool quadCanBeBuilt(const SceneNode& node);

// Why a node of its kind is never drawn whatever the frame, in an author's words
// ("QUAD \"wing\" has fewer than three vertices and is not drawn"); empty when it can be.
std::string whyNeverDrawn(const SceneNode& node);

}  // namespace vev
