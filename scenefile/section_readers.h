#pragma once

#include <string_view>
#include <vector>

#include "model/scene_node.h"
#include "scenefile/section_input.h"

// The readers of the sections that follow the identity header, one per group of kinds. Each
// reads the section's field lines into the node it is given, from the first field line up to
// and including the "*" that ends the section, and returns that node; linking and placing the
// node are the loader's.
namespace vev {

SceneNode& readWallSection(SectionInput& input, SceneNode& node);
SceneNode& readQuadSection(SectionInput& input, SceneNode& node);
SceneNode& readBeamSection(SectionInput& input, SceneNode& node);
SceneNode& readCameraSection(SectionInput& input, SceneNode& node);
SceneNode& readJetSection(SectionInput& input, SceneNode& node);
// A cannon's and an explosion's pose is never a collision surface; without a pose there is
// nothing to clear.
SceneNode& readLaserCannonSection(SectionInput& input, SceneNode& node);
SceneNode& readExplosionSection(SectionInput& input, SceneNode& node);
// Every HUD item kind; a HUD item's pose is never a collision surface.
SceneNode& readHudItemSection(SectionInput& input, SceneNode& node);

using SectionReader = SceneNode& (*)(SectionInput&, SceneNode&);

// The reader of a section keyword (compared whole and case-sensitively), or null when the
// keyword names no section kind.
SectionReader findSectionReader(std::string_view keyword);

// Every section kind, for the format's reference and its test.
std::vector<std::string_view> sectionKinds();

// Whether a section kind is a HUD item.
bool isHudItemKind(std::string_view kind);

}  // namespace vev
