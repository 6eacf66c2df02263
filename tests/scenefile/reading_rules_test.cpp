#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "scenefile/section_readers.h"
#include "tests/scenefile/scene_test_support.h"

namespace vev {
namespace {

using testing::readSectionText;
using testing::RecordedAssets;
using testing::TextFile;
using Values = std::vector<float>;

Values triple(const Vec3& v) {
  return {v[0], v[1], v[2]};
}

Values position(const SceneNode& node) {
  return node.pose ? triple(node.pose->position) : Values{};
}

Values positionAndTangent(const SceneNode& node) {
  if (!node.pose) return {};
  Values values = triple(node.pose->position);
  for (float v : node.pose->tangent) values.push_back(v);
  return values;
}

Values binormal(const SceneNode& node) {
  return node.pose ? triple(node.pose->binormal) : Values{};
}

Values diffuseAndLit(const SceneNode& node) {
  if (!node.shape) return {};
  Values values(node.shape->diffuse.begin(), node.shape->diffuse.end());
  values.push_back(node.shape->lit);
  return values;
}

Values ambientAndLit(const SceneNode& node) {
  if (!node.shape) return {};
  Values values(node.shape->ambient.begin(), node.shape->ambient.end());
  values.push_back(node.shape->lit);
  return values;
}

Values vertices(const SceneNode& node) {
  Values values;
  for (const Vertex& vertex : node.vertices) {
    values.insert(values.end(), {vertex.x, vertex.y, vertex.z});
  }
  return values;
}

Values mapPoints(const SceneNode& node) {
  Values values;
  if (!node.shape) return values;
  for (const Vec3& point : node.shape->mapPoints)
    values.insert(values.end(), point.begin(), point.end());
  return values;
}

Values channelX(const SceneNode& node) {
  if (!node.body) return {};
  const ControlChannel& c = node.body->translation[0];
  return {static_cast<float>(c.increaseKey),
          static_cast<float>(c.decreaseKey),
          c.rate,
          c.roomDown,
          c.roomUp,
          static_cast<float>(c.unlimited)};
}

Values rail(const SceneNode& node) {
  if (!node.body) return {};
  const RailChannel& r = node.body->rail;
  return {static_cast<float>(r.increaseKey),
          static_cast<float>(r.decreaseKey),
          r.rate,
          r.roomDown,
          r.roomUp,
          static_cast<float>(r.unlimited),
          r.direction[0],
          r.direction[1],
          r.direction[2]};
}

Values activationThenPivot(const SceneNode& node) {
  if (!node.body) return {};
  const BodyState& b = *node.body;
  return {static_cast<float>(b.activateKey),
          static_cast<float>(b.activateArmed),
          b.activateDelay,
          b.activateTimer,
          b.pivot[0],
          b.pivot[1],
          b.pivot[2]};
}

Values derivedControlThenPivot(const SceneNode& node) {
  if (!node.body) return {};
  const BodyState& b = *node.body;
  return {static_cast<float>(b.toggleKey), static_cast<float>(b.toggleState),
          static_cast<float>(b.toggleKeyA), static_cast<float>(b.toggleKeyB), b.pivot[0]};
}

Values soundKeysThenPivot(const SceneNode& node) {
  if (!node.body) return {};
  return {static_cast<float>(node.body->playKey), static_cast<float>(node.body->secondKey),
          node.body->pivot[0]};
}

Values wire(const SceneNode& node) {
  return node.shape ? Values{static_cast<float>(node.shape->wire)} : Values{};
}

Values params(const SceneNode& node) {
  Values values;
  for (const ParamCell& cell : node.params) values.insert(values.end(), cell.begin(), cell.end());
  return values;
}

Values nameLength(const SceneNode& node) {
  return {static_cast<float>(node.name.size())};
}

struct ReadingCase {
  const char* name;
  std::string text;
  Values (*observe)(const SceneNode&);
  Values expected;
};

void PrintTo(const ReadingCase& c, std::ostream* os) {
  *os << c.name;
}

class ReadingRules : public ::testing::TestWithParam<ReadingCase> {};

// Each case is the body of a QUAD section; the observed values are compared exactly.
TEST_P(ReadingRules, StoreWhatTheLineSays) {
  RecordedAssets recorded;
  const auto node = readSectionText(readQuadSection, GetParam().text, recorded);
  EXPECT_EQ(GetParam().observe(*node), GetParam().expected);
}

const ReadingCase kReadingCases[] = {
    {"TripleOfIntegers", "pos=1 2 3\n*", position, {1, 2, 3}},
    {"TripleOfReals", "pos=1.5 -2e1 0.25\n*", position, {1.5f, -20, 0.25f}},
    {"TwoBlanksGiveAnEmptyToken", "pos=1  2 3\n*", position, {1, 0, 2}},
    {"ShortLineRunsIntoTheNextAndLosesIt",
     "pos=1 2\ntang=4 5 6\n*",
     positionAndTangent,
     {1, 2, 5, 0, 0, 0}},
    {"CrLfLineEnds", "pos=1 2 3\r\ntang=4 5 6\r\n*", positionAndTangent, {1, 2, 3, 4, 5, 6}},
    {"ColourIsPercent", "dif=50 100 0 100\n*", diffuseAndLit, {0.5f, 1, 0, 1, 0}},
    {"ColourTakesTheIntegerPrefix", "dif=50.9 100 0 100\n*", diffuseAndLit, {0.5f, 1, 0, 1, 0}},
    {"AmbientMakesLit",
     "amb=10 20 30 40\n*",
     ambientAndLit,
     {10 * 0.01f, 20 * 0.01f, 30 * 0.01f, 40 * 0.01f, 1}},
    {"NormAfterTangSetsBinormal", "tang=1 0 0\nnorm=0 1 0\n*", binormal, {0, 0, 1}},
    {"TangAfterNormLeavesBinormal", "norm=0 1 0\ntang=1 0 0\n*", binormal, {0, 0, 0}},
    {"ZeroTangentLeavesBinormal", "tang=0 0 0\nnorm=0 1 0\n*", binormal, {0, 0, 0}},
    {"Channel", "controltx=38 40 45 -1000 1000 1\n*", channelX, {38, 40, 45, -1000, 1000, 1}},
    {"KeysOutsideTheKeyTableAreNoKey", "controltx=400 -1 1 0 0 0\n*", channelX, {0, 0, 1, 0, 0, 0}},
    {"HighestKeyIsAKey", "controltx=399 1 1 0 0 0\n*", channelX, {399, 1, 1, 0, 0, 0}},
    {"RailChannel",
     "controlcarril=65 90 2 -5 5 0 0.5 0 1\n*",
     rail,
     {65, 90, 2, -5, 5, 0, 0.5f, 0, 1}},
    {"ActivationReadsSixValues",
     "controlactivate=65 1 2.5 9 9 9\npivot=7 0 0\n*",
     activationThenPivot,
     {65, 1, 2.5f, 0, 7, 0, 0}},
    {"DerivedControlSkipsTwoValues",
     "derivcontrol=84 1 x 85 86 y\npivot=7 0 0\n*",
     derivedControlThenPivot,
     {84, 1, 85, 86, 7}},
    {"ControlSoundCountsTheFirstNumberOfItsLastValue",
     "controlsound=80 81 99\npivot=7 0 0\n*",
     soundKeysThenPivot,
     {80, 81, 7}},
    {"Maps",
     "maps=1 2 3 4 5 6 7 8 9 10 11 12\n*",
     mapPoints,
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
    {"VertexListInOrder", "verts=0 0 0 1 0 0 1 1 0\n*", vertices, {0, 0, 0, 1, 0, 0, 1, 1, 0}},
    {"VertexListOverwrittenFromItsHead",
     "verts=1 1 1 2 2 2 3 3 3\nverts=9 8 7\n*",
     vertices,
     {9, 8, 7}},
    {"BlankAfterLastVertexReadsTheNextLine",
     "verts=0 0 0 \n1 2 3\n*",
     vertices,
     {0, 0, 0, 1, 2, 3}},
    {"KeywordGivenTwiceKeepsTheLast", "wire=1\nwire=2\n*", wire, {2}},
    {"LineWithoutEqualsIsIgnored", "pos\n1 2 3\n*", position, {}},
    {"UnknownKeywordSkipsItsValue", "foo=bar\npos=1 2 3\n*", position, {1, 2, 3}},
    {"TextAfterUnknownKeywordIsReadAsKeyword", "foo=pos=4 5 6\n*", position, {4, 5, 6}},
    {"KeywordOfAnotherKindIsSkipped", "wid=3\npos=1 2 3\n*", position, {1, 2, 3}},
    {"StarOnItsOwnLineEndsTheSection", "pos=1 2 3\n*\npos=9 9 9\n", position, {1, 2, 3}},
    {"ParameterCreatesOnlyTheCellsUpToItsSlot", "th=2\n*", params, {2, 0, 0}},
    {"LaterSlotAddsCells", "th=2\npitch=6\n*", params, {2, 0, 0, 0, 0, 6}},
    {"NameOfNinetyNineKept", "name=" + std::string(99, 'n') + "\n*", nameLength, {99}},
    {"LongerNameCut", "name=" + std::string(150, 'n') + "\n*", nameLength, {99}},
    {"EndOfFileEndsTheSection", "pos=1 2", position, {1, 2, 0}},
};

INSTANTIATE_TEST_SUITE_P(Lines, ReadingRules, ::testing::ValuesIn(kReadingCases),
                         [](const ::testing::TestParamInfo<ReadingCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ReadingRulesText, StarInsideAValueIsOrdinaryText) {
  RecordedAssets recorded;
  const auto node = readSectionText(readQuadSection, "name=a*b\nwire=1\n*", recorded);
  EXPECT_EQ(node->name, "a*b");
  ASSERT_TRUE(node->shape);
  EXPECT_EQ(node->shape->wire, 1);
}

TEST(ReadingRulesText, SectionReaderStopsDirectlyAfterTheStar) {
  RecordedAssets recorded;
  TextFile file("pos=1 2 3\n*JET\n");
  SceneReader reader(file.get(), "s.zsf");
  SectionInput input{reader, "", recorded.assets};
  SceneNode node;
  readQuadSection(input, node);
  EXPECT_EQ(reader.readTextLine(), "JET");
}

}  // namespace
}  // namespace vev
