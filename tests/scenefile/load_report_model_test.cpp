#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/scenefile/load_report_fixture.h"

namespace vev {
namespace {

template <typename Values>
void put(std::ostream& out, const char* name, const Values& values) {
  out << ' ' << name;
  for (const auto& value : values) out << ' ' << value;
}

void put(std::ostream& out, const ControlChannel& channel) {
  out << " [" << channel.increaseKey << ' ' << channel.decreaseKey << ' ' << channel.rate << ' '
      << channel.roomUp << ' ' << channel.roomDown << ' ' << channel.unlimited << ']';
}

void put(std::ostream& out, const SoundRef* sound) {
  if (sound) out << " sound " << sound->path << ' ' << sound->entry << ' ' << sound->range;
}

void put(std::ostream& out, const Pose& pose) {
  put(out, "pose", pose.position);
  put(out, "", pose.tangent);
  put(out, "", pose.normal);
  put(out, "", pose.binormal);
  out << ' ' << pose.zoom << ' ' << pose.dist << ' ' << pose.coordType << ' ' << pose.collision;
}

void put(std::ostream& out, const BodyState& body) {
  for (const auto* group : {&body.translation, &body.rotation, &body.spin}) {
    for (const ControlChannel& channel : *group) put(out, channel);
  }
  put(out, body.rail);
  put(out, "rail", body.rail.direction);
  put(out, "pivot", body.pivot);
  out << " keys " << body.activateKey << ' ' << body.activateArmed << ' ' << body.activateDelay
      << ' ' << body.toggleKey << ' ' << body.toggleState << ' ' << body.toggleKeyA << ' '
      << body.toggleKeyB << ' ' << body.fireKey << ' ' << body.fireState << ' ' << body.fireDuration
      << ' ' << body.previousTargetKey << ' ' << body.nextTargetKey << ' ' << body.playKey << ' '
      << body.secondKey;
  put(out, "joy", body.joyKeys);
  put(out, body.sound.get());
}

void put(std::ostream& out, const Shape& shape) {
  put(out, "shape", shape.ambient);
  put(out, "", shape.diffuse);
  put(out, "", shape.specular);
  out << ' ' << shape.lit << ' ' << shape.mapping << ' ' << shape.wire << ' ' << shape.texturePath;
  for (const Vec3& point : shape.mapPoints) put(out, "", point);
}

void put(std::ostream& out, const SceneNode& node) {
  out << "node " << node.kind << '|' << node.name << '|' << node.active << ' ' << node.childCount
      << ' ' << node.dirty << ' ' << (node.firstChild ? node.firstChild->name : "-") << ' '
      << (node.sibling ? node.sibling->name : "-");
  if (node.shape) put(out, *node.shape);
  if (node.pose) put(out, *node.pose);
  if (node.body) put(out, *node.body);
  put(out, node.sound.get());
  for (const Vertex& vertex : node.vertices)
    out << " v " << vertex.x << ' ' << vertex.y << ' ' << vertex.z;
  for (const ParamCell& cell : node.params) put(out, "p", cell);
  out << '\n';
}

// Everything the readers write, as text.
std::string describe(const ModelState& model) {
  std::ostringstream out;
  out.precision(9);
  for (const Identity* identity = model.scene.get(); identity; identity = identity->next.get()) {
    out << "identity " << identity->name << '|' << identity->directory;
    put(out, identity->pose);
    put(out, identity->body);
    put(out, identity->sound.get());
    if (identity->damage) {
      const DamageState& damage = *identity->damage;
      out << " damage " << damage.strength << ' ' << damage.power << ' ' << damage.taken << ' '
          << damage.destroyed << ' ' << damage.removal << ' ' << damage.triggerKey;
    }
    if (identity->aero) {
      put(out, "aero", identity->aero->cvv);
      put(out, "", identity->aero->cmm);
    }
    out << '\n';
    for (const SceneNode* node = identity->nodes.get(); node; node = node->next.get())
      put(out, *node);
  }
  return out.str();
}

// One line of most faults the report tells, among lines that read well.
const std::string kFaultyFile =
    "1\n"
    "second line\n"
    "name=lost\n"
    "name=FAULTY\n"
    "norm=0 1 0\n"
    "tang=0 0 1\n"
    "controlrx=38 40\n"
    "damage=100 0 0 0 1 0 7\n"
    "childs=2\n"
    "sound=missing.wav\n"
    "*QUAD\n"
    "name=hull one\n"
    "childs=3\n"
    "dif=70  70 80 100\n"
    "pos=1 x 3\n"
    "verts=0 0 0 1 0 0 \n"
    "9 9 9\n"
    "texture=hull.bmp\n"
    "wid=-1\n"
    "controledsound=engine.wav\n"
    "*CAMERA\n"
    "zoom=30\n"
    "pos=0 1 0\n"
    "coordtype=1\n"
    "tang=1 0 0\n"
    "fire=500 0 1\n"
    "*quad\n"
    "pos=5 5 5\n"
    "*\n"
    "JET\n"
    "*HUDSTRING\n"
    "text=HUD\n"
    "dist=2\n"
    "verts=1 1\n"
    "a b\n"
    "x*LASERCANNON\n"
    "pos=0 0 0\n";

using LoadWithReport = testing::LoadReportTest;

TEST_F(LoadWithReport, AFileLoadsTheSameWithAndWithoutAReport) {
  dir.write("engine.wav", testing::silentWav());
  load(kFaultyFile, nullptr);
  const std::string silent = describe(model);
  model.scene.reset();
  sounds.clear();
  LoadReport report;
  load(kFaultyFile, &report);
  EXPECT_GE(report.findings().size(), 15u);
  EXPECT_EQ(describe(model), silent);
  EXPECT_NE(silent.find("node LASERCANNON"), std::string::npos) << silent;
}

}  // namespace
}  // namespace vev
