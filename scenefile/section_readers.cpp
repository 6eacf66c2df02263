#include "scenefile/section_readers.h"

#include "model/text.h"
#include "scenefile/section_fields.h"

namespace vev {

namespace {

SceneNode& readSection(SectionInput& input, SceneNode& node, SectionKind kind) {
  readSectionFields(input, node, kind);
  return node;
}

void clearCollision(SceneNode& node) {
  if (node.pose) node.pose->collision = 0;
}

struct SectionKeyword {
  std::string_view keyword;
  SectionReader read;
};

constexpr SectionKeyword kSectionKeywords[] = {
    {"WALL", readWallSection},
    {"WALLW", readWallSection},
    {"QUAD", readQuadSection},
    {"SMQUAD", readQuadSection},
    {"QUADBEAM", readBeamSection},
    {"SMQUADBEAM", readBeamSection},
    {"SMQUADBEAML", readBeamSection},
    {"RETIBEAM", readBeamSection},
    {"HANGED", readBeamSection},
    {"ROUNDBEAM", readBeamSection},
    {"CROUNDBEAM", readBeamSection},
    {"CROUNDBEAMC", readBeamSection},
    {"SMROUNDBEAMC", readBeamSection},
    {"QUADBEAMSM", readBeamSection},
    {"CAMERA", readCameraSection},
    {"JET", readJetSection},
    {"LASERCANNON", readLaserCannonSection},
    {"EXPLOSION", readExplosionSection},
    {"HUDSTRING", readHudItemSection},
    {"HELPSTRING", readHudItemSection},
    {"RANGE", readHudItemSection},
    {"NAME", readHudItemSection},
    {"NAME2", readHudItemSection},
    {"NAME3", readHudItemSection},
    {"TEAM", readHudItemSection},
    {"HEADING", readHudItemSection},
    {"INCLINATION", readHudItemSection},
    {"HUDLINE", readHudItemSection},
    {"HUDQUAD", readHudItemSection},
    {"DAMAGE", readHudItemSection},
    {"INDICATOR", readHudItemSection},
    {"CIRCUL", readHudItemSection},
    {"RADAR", readHudItemSection},
    {"SPEEDMETER", readHudItemSection},
    {"TARGETBOX", readHudItemSection},
};

}  // namespace

SceneNode& readWallSection(SectionInput& input, SceneNode& node) {
  return readSection(input, node, SectionKind::wall);
}

SceneNode& readQuadSection(SectionInput& input, SceneNode& node) {
  return readSection(input, node, SectionKind::quad);
}

SceneNode& readBeamSection(SectionInput& input, SceneNode& node) {
  return readSection(input, node, SectionKind::beam);
}

SceneNode& readCameraSection(SectionInput& input, SceneNode& node) {
  return readSection(input, node, SectionKind::camera);
}

SceneNode& readJetSection(SectionInput& input, SceneNode& node) {
  return readSection(input, node, SectionKind::jet);
}

SceneNode& readLaserCannonSection(SectionInput& input, SceneNode& node) {
  clearCollision(readSection(input, node, SectionKind::laserCannon));
  return node;
}

SceneNode& readExplosionSection(SectionInput& input, SceneNode& node) {
  clearCollision(readSection(input, node, SectionKind::explosion));
  return node;
}

SceneNode& readHudItemSection(SectionInput& input, SceneNode& node) {
  clearCollision(readSection(input, node, SectionKind::hudItem));
  return node;
}

SectionReader findSectionReader(std::string_view keyword) {
  for (const SectionKeyword& section : kSectionKeywords) {
    if (sameText(section.keyword, keyword) == 0) return section.read;
  }
  return nullptr;
}

bool isHudItemKind(std::string_view kind) {
  return findSectionReader(kind) == readHudItemSection;
}

std::vector<std::string_view> sectionKinds() {
  std::vector<std::string_view> kinds;
  for (const SectionKeyword& section : kSectionKeywords) kinds.push_back(section.keyword);
  return kinds;
}

}  // namespace vev
