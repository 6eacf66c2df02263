#include "scenefile/section_fields.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>

#include "model/text.h"
#include "scenefile/asset_refs.h"
#include "scenefile/number_conversion.h"
#include "scenefile/record_fields.h"
#include "scenefile/section_check.h"
#include "scenefile/value_readers.h"

namespace vev {

namespace {

// Records a keyword needs are created by the first keyword that writes into them.
Pose& createdPose(SceneNode& node) {
  if (!node.pose) {
    node.pose = std::make_unique<Pose>();
    node.pose->collision = 1;
  }
  return *node.pose;
}

BodyState& createdBody(SceneNode& node) {
  if (!node.body) node.body = std::make_unique<BodyState>();
  return *node.body;
}

Shape& createdShape(SceneNode& node) {
  if (!node.shape) node.shape = std::make_unique<Shape>();
  return *node.shape;
}

template <void (*Read)(SceneReader&, Pose&)>
void intoPose(SectionInput& input, SceneNode& node) {
  Read(input.reader, createdPose(node));
}

// `zoom`, `dist` and `coordtype` write into a pose that an earlier line created. Before that
// their line is read and nothing is written.
template <void (*Read)(SceneReader&, Pose&)>
void intoExistingPose(SectionInput& input, SceneNode& node) {
  if (node.pose) {
    Read(input.reader, *node.pose);
    return;
  }
  input.reader.noteField(
      "comes before the node has a pose (from `pos`, `tang`, `norm` or `colision`), so it is "
      "not used");
  input.reader.skipPast('\n');
}

template <void (*Read)(SceneReader&, BodyState&)>
void intoBody(SectionInput& input, SceneNode& node) {
  Read(input.reader, createdBody(node));
}

template <void (*Read)(SceneReader&, Shape&)>
void intoShape(SectionInput& input, SceneNode& node) {
  Read(input.reader, createdShape(node));
}

template <int Slot>
void readParam(SectionInput& input, SceneNode& node) {
  writableParamSlot(node, Slot) = readReal(input.reader);
}

// `window`, `cell`, `nose`: four values in dim5 to dim8.
void readQuadParams(SectionInput& input, SceneNode& node) {
  const std::array<float, 4> values = readQuad(input.reader);
  for (int i = 0; i < 4; ++i) writableParamSlot(node, 5 + i) = values[static_cast<std::size_t>(i)];
}

void readName(SectionInput& input, SceneNode& node) {
  node.name = input.reader.readTextLine();
}

// A pose created by `colision` starts with the given collision only.
void readCollision(SectionInput& input, SceneNode& node) {
  const std::int32_t collision = readInteger(input.reader);
  if (!node.pose) node.pose = std::make_unique<Pose>();
  node.pose->collision = collision;
}

// The declared count is held twice: childCount is used up as the loader links children, and
// the copy, kept in `dirty` until loading ends, gives it back.
void readChilds(SectionInput& input, SceneNode& node) {
  node.childCount = saturateToInt16(readInteger(input.reader));
  node.dirty = node.childCount;
}

void readVertices(SectionInput& input, SceneNode& node) {
  node.vertices = readVertexList(input.reader);
}

void readNodeTexture(SectionInput& input, SceneNode& node) {
  readTexture(input, createdShape(node));
}

void readNodeSound(SectionInput& input, SceneNode& node) {
  readSoundRef(input, node.sound);
}

void readNodeSoundRange(SectionInput& input, SceneNode& node) {
  readSoundRange(input.reader, node.sound);
}

// The sound the body's play key plays needs a body that an earlier line created. Before that
// the line is read and nothing is written.
void skipBeforeBody(SceneReader& reader) {
  reader.noteField(
      "comes before the node has controls (from `pivot`, a `control...` line or another key "
      "line), so it is not used");
  reader.skipPast('\n');
}

void readControlledSound(SectionInput& input, SceneNode& node) {
  if (node.body) {
    readSoundRef(input, node.body->sound);
  } else {
    skipBeforeBody(input.reader);
  }
}

void readControlledSoundRange(SectionInput& input, SceneNode& node) {
  if (node.body) {
    readSoundRange(input.reader, node.body->sound);
  } else {
    skipBeforeBody(input.reader);
  }
}

constexpr unsigned kindBit(SectionKind kind) {
  return 1u << static_cast<unsigned>(kind);
}

constexpr unsigned kWall = kindBit(SectionKind::wall);
constexpr unsigned kQuad = kindBit(SectionKind::quad);
constexpr unsigned kBeam = kindBit(SectionKind::beam);
constexpr unsigned kCamera = kindBit(SectionKind::camera);
constexpr unsigned kJet = kindBit(SectionKind::jet);
constexpr unsigned kLaserCannon = kindBit(SectionKind::laserCannon);
constexpr unsigned kExplosion = kindBit(SectionKind::explosion);
constexpr unsigned kHudItem = kindBit(SectionKind::hudItem);
constexpr unsigned kGeometry = kWall | kQuad | kBeam;
constexpr unsigned kEquipment = kJet | kLaserCannon | kExplosion;
constexpr unsigned kParts = kGeometry | kCamera | kEquipment;

using NodeFieldReader = void (*)(SectionInput&, SceneNode&);

struct NodeField {
  std::string_view keyword;
  NodeFieldReader read;
  unsigned kinds;  // the section kinds that accept the keyword
};

using B = BodyState;

// Every keyword of every section kind. A keyword that lands in different places for different
// kinds has one row per destination.
constexpr NodeField kNodeFields[] = {
    {"name", readName, kParts | kHudItem},
    {"text", readName, kHudItem},
    {"dif", intoShape<readDiffuse>, kGeometry | kEquipment},
    {"color", intoShape<readDiffuse>, kHudItem},
    {"spec", intoShape<readSpecular>, kGeometry | kEquipment},
    {"flash", intoShape<readSpecular>, kHudItem},
    {"amb", intoShape<readAmbient>, kGeometry | kJet | kLaserCannon},
    {"color2", intoShape<readAmbient>, kHudItem},
    {"texture", readNodeTexture, kGeometry},
    {"untextured", intoShape<readUntextured>, kGeometry},
    {"maps", intoShape<readMapPoints>, kGeometry},
    {"wire", intoShape<readWire>, kGeometry | kEquipment},
    {"sound", readNodeSound, kEquipment},
    {"soundrange", readNodeSoundRange, kEquipment},
    {"pos", intoPose<readPosition>, kParts | kHudItem},
    {"tang", intoPose<readTangent>, kParts | kHudItem},
    {"norm", intoPose<readNormal>, kParts | kHudItem},
    {"colision", readCollision, kGeometry | kJet},
    {"pivot", intoBody<readPivot>, kParts},
    {"controltx", intoBody<readGroupChannel<&B::translation, 0>>, kParts | kHudItem},
    {"controlty", intoBody<readGroupChannel<&B::translation, 1>>, kParts},
    {"controltz", intoBody<readGroupChannel<&B::translation, 2>>, kParts},
    {"controlrx", intoBody<readGroupChannel<&B::rotation, 0>>, kParts},
    {"controlry", intoBody<readGroupChannel<&B::rotation, 1>>, kParts},
    {"controlrz", intoBody<readGroupChannel<&B::rotation, 2>>, kParts},
    {"controlox", intoBody<readGroupChannel<&B::spin, 0>>, kParts},
    {"controloy", intoBody<readGroupChannel<&B::spin, 1>>, kParts},
    {"controloz", intoBody<readGroupChannel<&B::spin, 2>>, kParts},
    {"controlcarril", intoBody<readRail>, kParts},
    {"controlactivate", intoBody<readActivation>, kParts},
    {"derivcontrol", intoBody<readDerivedControl>, kParts},
    {"childs", readChilds, kParts},
    {"controledsound", readControlledSound, kParts},
    {"controlsound", intoBody<readControlSound>, kParts},
    {"controlsoundrange", readControlledSoundRange, kParts},
    // Walls.
    {"wid", readParam<0>, kWall | kBeam},
    {"hi", readParam<1>, kWall},
    {"hf", readParam<2>, kWall},
    {"thi", readParam<3>, kWall},
    {"thf", readParam<4>, kWall},
    {"window", readQuadParams, kWall},
    // Quads.
    {"th", readParam<0>, kQuad},
    {"dens", readParam<1>, kQuad},
    {"backface", readParam<2>, kQuad},
    {"dist", readParam<3>, kQuad},
    {"head", readParam<4>, kQuad},
    {"pitch", readParam<5>, kQuad},
    {"verts", readVertices, kQuad | kHudItem},
    // Beams: thickness before height, the other way round from walls.
    {"thi", readParam<1>, kBeam},
    {"thf", readParam<2>, kBeam},
    {"hi", readParam<3>, kBeam},
    {"hf", readParam<4>, kBeam},
    {"cell", readQuadParams, kBeam},
    {"nose", readQuadParams, kBeam},
    // Cameras and HUD items.
    {"coordtype", intoExistingPose<readCoordType>, kCamera},
    {"zoom", intoExistingPose<readZoom>, kCamera | kHudItem},
    // Jets.
    {"maxthrust", readParam<0>, kJet},
    {"flamediam", readParam<1>, kJet},
    {"flamelength", readParam<2>, kJet},
    // Laser cannons.
    {"fire", intoBody<readFire>, kLaserCannon},
    {"inflict", readParam<0>, kLaserCannon},
    {"veloc", readParam<1>, kLaserCannon},
    {"length", readParam<2>, kLaserCannon},
    {"range", readParam<3>, kLaserCannon},
    // Explosions: dim0 is the explosion's clock, kept by the simulation.
    {"detonate", intoBody<readFire>, kExplosion},
    {"max", readParam<1>, kExplosion},
    {"time", readParam<2>, kExplosion},
    {"type", readParam<3>, kExplosion},
    {"size", readParam<4>, kExplosion},
    // HUD items: one list for every item; each item uses the slots it draws.
    {"dist", intoExistingPose<readDist>, kHudItem},
    {"lin", readParam<0>, kHudItem},
    {"col", readParam<1>, kHudItem},
    {"units", readParam<2>, kHudItem},
    {"showunits", readParam<3>, kHudItem},
    {"digits", readParam<4>, kHudItem},
    {"closed", readParam<0>, kHudItem},
    {"cx", readParam<0>, kHudItem},
    {"cy", readParam<1>, kHudItem},
    {"thi", readParam<2>, kHudItem},
    {"hi", readParam<3>, kHudItem},
    {"range", readParam<4>, kHudItem},
    {"target", readVertices, kHudItem},
    {"vector", readVertices, kHudItem},
};

const NodeField* findNodeField(std::string_view keyword, SectionKind kind) {
  for (const NodeField& field : kNodeFields) {
    if ((field.kinds & kindBit(kind)) != 0 && sameText(field.keyword, keyword) == 0) return &field;
  }
  return nullptr;
}

}  // namespace

std::optional<Keyword> readFieldKeyword(SceneReader& reader) {
  for (;;) {
    Keyword keyword = reader.readKeyword();
    if (keyword.end == KeywordEnd::section) return std::nullopt;
    if (keyword.end == KeywordEnd::value) return keyword;
    // The rest of a skipped keyword's line is no line of its own; blank lines say nothing.
    if (reader.reporting() && keyword.opensLine &&
        keyword.text.find_first_not_of(" \t") != std::string::npos) {
      reader.note(keyword.line, "`" + keyword.text + "` has no `=`, so the line is skipped");
    }
  }
}

void readSectionFields(SectionInput& input, SceneNode& node, SectionKind kind) {
  SectionCheck check(input.reader, node.kind + " sections");
  while (const std::optional<Keyword> keyword = readFieldKeyword(input.reader)) {
    if (const NodeField* field = findNodeField(keyword->text, kind)) {
      check.readField(*keyword, [&] { field->read(input, node); });
    } else {
      check.unusedKeyword(*keyword);
    }
  }
  check.finish();
}

std::vector<std::string_view> sectionFieldKeywords() {
  std::vector<std::string_view> keywords;
  for (const NodeField& field : kNodeFields) keywords.push_back(field.keyword);
  return keywords;
}

}  // namespace vev
