#include "scenefile/loader_notes.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "model/number_text.h"
#include "scenefile/bitmap.h"
#include "scenefile/section_readers.h"

namespace vev {

namespace {

bool isSectionKeyword(const std::string& keyword) {
  return keyword == "END" || findSectionReader(keyword) != nullptr;
}

std::string withoutBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string upperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

std::string unknownSectionCause(const std::string& keyword) {
  if (keyword.empty()) {
    return "a `*` alone on its line opens a section without a keyword (the keyword goes "
           "directly after the `*`)";
  }
  const std::string named = "section keyword `" + keyword + "` ";
  if (isSectionKeyword(withoutBlanks(keyword)))
    return named + "is not known: the blanks are part of it";
  if (isSectionKeyword(upperCase(keyword))) {
    return named + "is not known: section keywords are upper case";
  }
  return named + "is not known";
}

std::string countOf(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

void noteUnknownSection(SceneReader& reader, int line, const std::string& keyword) {
  if (!reader.reporting()) return;
  reader.note(line, unknownSectionCause(keyword) + "; the section's lines are skipped");
}

void noteMissingEnd(SceneReader& reader) {
  reader.note(reader.lastLine(), "the file ends without `*END`");
}

void noteMissingChildren(SceneReader& reader, const std::vector<DeclaredChildren>& sections) {
  for (const DeclaredChildren& section : sections) {
    const int linked = section.node->childCount;
    if (linked >= section.declared) continue;
    const std::string given = linked == 0 ? "none" : std::to_string(linked);
    reader.note(section.line, "the " + section.node->kind + " section declares " +
                                  countOf(section.declared, "child", "children") +
                                  " in `childs`, but the file ends after " + given + " of them");
  }
}

namespace {

constexpr int kCannonRangeSlot = 3;
constexpr int kFlameDiameterSlot = 1;
constexpr int kFlameLengthSlot = 2;

std::string sectionNamed(const SceneNode& node) {
  return node.kind + (node.name.empty() ? "" : " \"" + node.name + "\"");
}

// A texture that shows its picture, mapped by nothing: the face shows one texel.
bool picturedWithoutMaps(const Shape& shape, const TextureList& textures) {
  if (shape.mapping == 0) return false;
  for (const Vec3& point : shape.mapPoints) {
    if (!isZero(point)) return false;
  }
  const TextureEntry* texture = textures.find(shape.texturePath);
  return texture && texture->loaded && lookOf(texture->header) == BitmapLook::picture;
}

// A `tang` or `norm` of 0 0 0 reads as one that was never given.
std::string missingAxes(const Pose& pose) {
  if (isZero(pose.tangent) && isZero(pose.normal)) {
    return "no `tang` and no `norm`, or ones of 0 0 0";
  }
  return isZero(pose.tangent) ? "no `tang`, or a `tang` of 0 0 0"
                              : "no `norm`, or a `norm` of 0 0 0";
}

void noteCannonRange(SceneReader& reader, int line, const std::string& named,
                     const SceneNode& node) {
  const float* range = paramSlot(node, kCannonRangeSlot);
  if (!range) {
    reader.note(line, named + " has no `range`, so it never fires");
  } else if (!(*range > 0.0f)) {
    reader.note(line, named + " has a `range` of " +
                          formatReal(*range, std::chars_format::general, 6) +
                          ", so each shot is removed as soon as it is fired (`range` is in "
                          "metres)");
  }
}

// A negative flame turns the cone inside out: it points into the craft.
void noteNegativeFlame(SceneReader& reader, int line, const std::string& named,
                       const SceneNode& node) {
  for (const auto& [slot, keyword] :
       {std::pair{kFlameDiameterSlot, "flamediam"}, std::pair{kFlameLengthSlot, "flamelength"}}) {
    const float* size = paramSlot(node, slot);
    if (size && *size < 0.0f) {
      reader.note(line, named + " has a negative `" + keyword + "` (" +
                            formatReal(*size, std::chars_format::general, 6) +
                            "): sizes are in metres and positive, so its flame is drawn "
                            "inside out");
    }
  }
}

bool looksLikeFieldOrSection(const std::string& line) {
  return line.find('=') != std::string::npos || (!line.empty() && line.front() == '*');
}

}  // namespace

void noteDoesNothing(SceneReader& reader, int line, const SceneNode& node,
                     const TextureList& textures) {
  const std::string named = sectionNamed(node);
  if (node.shape && !isHudItemKind(node.kind) && picturedWithoutMaps(*node.shape, textures)) {
    reader.note(line, named +
                          " has a `texture` but no `maps`, so it is painted in one colour "
                          "of the texture");
  }
  if (isHudItemKind(node.kind) && node.kind != "RADAR" && !node.shape) {
    reader.note(line, named + " has no `color`, so it is not drawn");
  }
  if ((node.kind == "HUDSTRING" || node.kind == "HELPSTRING") && node.name.empty()) {
    reader.note(line, node.kind + " has no `text`, so it shows nothing");
  }
  if (node.kind == "LASERCANNON" && node.body && node.body->activateKey != 0 &&
      node.body->fireKey == 0) {
    reader.note(line, named + " has `controlactivate` but no `fire` key, so it never fires");
  }
  if (node.kind == "LASERCANNON") noteCannonRange(reader, line, named, node);
  if (node.kind == "JET") noteNegativeFlame(reader, line, named, node);
  if (node.kind == "CAMERA" && node.pose && node.pose->zoom == 0.0f) {
    reader.note(line, named + " has no `zoom`, so it sees nothing");
  }
  if (node.pose && !isHudItemKind(node.kind) &&
      (isZero(node.pose->tangent) || isZero(node.pose->normal))) {
    reader.note(line, named + " has " + missingAxes(*node.pose) +
                          ", so it has no axes: it collapses to a point and points nowhere");
  }
}

void noteFractionColours(SceneReader& reader) {
  const ColourTally& colours = reader.colours();
  if (colours.firstLine == 0 || colours.largest > 1) return;
  reader.note(colours.firstLine,
              "every colour of the file is at most 1, so everything it draws is nearly black "
              "and clear: colours are in percent: 1 means 1 % (write 100 for full)");
}

void noteTitleLines(SceneReader& reader, const std::string& first, const std::string& second) {
  int number = 1;
  for (const std::string* line : {&first, &second}) {
    if (looksLikeFieldOrSection(*line)) {
      reader.note(number, "line " + std::to_string(number) +
                              " reads like a field or section line, but the first two lines of "
                              "a file are its title and are skipped");
    }
    ++number;
  }
}

}  // namespace vev
