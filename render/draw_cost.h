#pragma once

#include <cstdint>
#include <string>

#include "model/scene_node.h"

namespace vev {

// About what drawing a part costs each frame on the software renderer, from the vertices its
// builder makes: measured at roughly 2 microseconds a vertex for a face filling much of the view
// and for a lattice's lines alike.
inline constexpr double kDrawMsPerVertex = 0.002;
// A part that alone takes more than this of the 40 ms frame slows the whole scene.
inline constexpr double kPartShareOfFrameMs = 10.0;

// The vertices a QUAD, SMQUAD or RETIBEAM puts in the draw list each frame; 0 for other kinds.
std::int64_t drawnVertices(const SceneNode& node);

// Why a part costs more than its share of a frame, in an author's words ("QUAD \"hull\" has
// 100,000 vertices: about 200 ms a frame ..."); empty when it does not.
std::string whyTooCostly(const SceneNode& node);

}  // namespace vev
