#include "app/demo_scene.h"

#include <algorithm>
#include <filesystem>
#include <initializer_list>

#include "model/kinematics.h"
#include "model/text.h"
#include "scenefile/loader.h"

namespace vev {
namespace {

constexpr KeyCode kT = 84;
constexpr KeyCode kLeft = 37;
constexpr KeyCode kUp = 38;
constexpr KeyCode kRight = 39;
constexpr KeyCode kDown = 40;

struct DemoRow {
  const char* file;
  const char* callSign;
  const char* pilot;
  const char* team;
  std::initializer_list<KeyCode> heldKeys;
  Vec3 offset;
};

const DemoRow kDemoRows[] = {
    {"sw\\m-bird.ssp.zsf", "vev.example.org", "pilot@vev.example.org", "KT RERAVER", {}, {0, 0, 0}},
    {"sw\\cruiser.ssp.zsf", "ZETA 1", "PAULO SERTA", "EVIL", {kT, kDown, kRight}, {60, 30, 60}},
    {"sw\\golden-bird.ssp.zsf", "CETI 1", "ANDRE VALMOR", "EVIL", {kT, kDown, kRight}, {60, 0, 0}},
    {"sw\\black-bird.ssp.zsf", "CETI 2", "ANDRE VALMOR", "EVIL", {kT, kDown, kRight}, {60, 0, 30}},
    {"sw\\cyphora.ssp.zsf", "ROMEO 1", "ANDRE VALMOR", "EVIL", {kT, kUp, kLeft}, {60, 33, -12}},
    {"sw\\cyphora.ssp.zsf", "ROMEO 2", "ANDRE VALMOR", "EVIL", {kT, kUp, kLeft}, {60, 30, 12}},
    {"sw\\m-bird.ssp.zsf", "ZETA 2", "PAULO SERTA", "EVIL", {kT, kDown, kRight}, {120, 0, 40}},
};

constexpr const char* kSurroundings = "sw\\exp_scene.zsf";

void applyRow(Identity& craft, const DemoRow& row) {
  copyText(craft.hudName, row.callSign);
  copyText(craft.hudName2, row.pilot);
  copyText(craft.hudName3, row.team);
  for (const KeyCode key : row.heldKeys) craft.keys[key] = 1;
  translateIdentity(craft, row.offset[0], row.offset[1], row.offset[2]);
}

}  // namespace

void loadDemoScene(ModelState& model, SceneAssets& assets, const std::string& dataDir) {
  const std::string prefix = dataDir.empty() ? std::string() : dataDir + "/";
  bool first = true;
  for (const DemoRow& row : kDemoRows) {
    const bool loaded = loadSceneFile(prefix + row.file, model, assets);
    if (loaded) {
      Identity& craft = *lastIdentity(model.scene.get());
      applyRow(craft, row);
      if (first && craft.nodes && craft.nodes->pose) model.activeCamera = craft.nodes->pose.get();
    }
    first = false;
  }
  loadSceneFile(prefix + kSurroundings, model, assets);
}

std::vector<std::string> demoCraftFiles() {
  std::vector<std::string> files;
  for (const DemoRow& row : kDemoRows) {
    if (std::find(files.begin(), files.end(), row.file) == files.end()) files.push_back(row.file);
  }
  return files;
}

bool holdsDemoScene(const std::string& dataDir) {
  const std::filesystem::path folder =
      dataDir.empty() ? std::filesystem::path("sw") : std::filesystem::path(dataDir) / "sw";
  std::error_code error;
  return std::filesystem::is_directory(folder, error);
}

}  // namespace vev
