#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/scene_node.h"
#include "scenefile/scene_reader.h"
#include "scenefile/section_input.h"

namespace vev {

// The groups of section kinds that accept one keyword list each.
enum class SectionKind : unsigned {
  wall,  // WALL, WALLW
  quad,  // QUAD, SMQUAD
  beam,  // the ten beam kinds
  camera,
  jet,
  laserCannon,
  explosion,
  hudItem,  // the fifteen HUD item kinds
};

// Every keyword some section accepts, for the format's reference and its test.
std::vector<std::string_view> sectionFieldKeywords();

// The keyword of the next field line that has a value (the line's text up to its "="); nothing
// once the section has ended. Lines without "=" are passed over: they match no keyword.
std::optional<Keyword> readFieldKeyword(SceneReader& reader);

// Reads the field lines of a section into `node` up to the "*" that ends it, or the end of the
// file. A keyword that `kind` does not accept is skipped; the text after its "=" is then read as
// a further keyword, which normally matches nothing either.
void readSectionFields(SectionInput& input, SceneNode& node, SectionKind kind);

}  // namespace vev
