#include "app/commands.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "app/load_findings.h"
#include "app/news.h"
#include "scenefile/load_report.h"
#include "scenefile/loader.h"
#include "sim/node_kind.h"
#include "sound/sound_switch.h"

namespace vev {
namespace {

constexpr Command kCommands[] = {
    {kAddIdentity, "Add an Identity to the scene", "Add a scene file", CommandKind::Action},
    {kToggleIdHelp, "Enable On-Screen Help on Identity", "On-screen help", CommandKind::Toggle},
    {kNextIdentity, "Choose next identity to control", "Next Identity", CommandKind::Action},
    {kPreviousIdentity, "Chose previus Identity to control", "Previous Identity",
     CommandKind::Action},
    {kIdentityLabel, "Following buttons alow you to control identities", "Identities",
     CommandKind::DisabledLabel},
    {kCameraLabel, "Following buttons alow you to control the camera", "Camera",
     CommandKind::DisabledLabel},
    {kGraphicsLabel, "Following buttons alow you to control the graphics", "Graphics",
     CommandKind::InactiveLabel},
    {kNextCamera, "Choose next camera from this identity", "Next camera", CommandKind::Action},
    {kToggleWireFrame, "WireFrame", "Wireframe", CommandKind::Toggle},
    {kToggleTextures, "Display textures", "Textures", CommandKind::Toggle},
    {kToggleFlat, "", "Flat shading", CommandKind::Toggle},
    {kToggleSound, "Toggle Sound on/off", "Sound", CommandKind::Toggle},
    {kToggleJoystick, "", "Joystick on/off", CommandKind::Toggle},
    {kToggleClampTextures, "", "Clamp textures vertically", CommandKind::Toggle},
    {kToggleCollisionDebug, "", "Show the collision tests", CommandKind::Toggle},
    {kTogglePanel, "", "Head-up display on/off", CommandKind::Toggle},
    {kToggleSimpleShapes, "", "Simple shapes", CommandKind::Toggle},
    {kToggleAttack, "", "Opponents attack", CommandKind::Toggle},
    {kRestart, "", "Restart demonstration", CommandKind::Action},
    {kTogglePause, "", "Pause", CommandKind::Toggle},
    {kToggleFullScreen, "", "Full Screen", CommandKind::Toggle},
    {kToggleWatch, "", "Reload changed files", CommandKind::Toggle},
    {kFlyCraft, "", "Fly a craft…", CommandKind::Action},
};

constexpr int kToolbar[] = {
    kIdentityLabel,      kAddIdentity,          kFlyCraft,         kToolbarSeparator,
    kPreviousIdentity,   kNextIdentity,         kToggleIdHelp,     kToolbarSeparator,
    kCameraLabel,        kNextCamera,           kToolbarSeparator, kGraphicsLabel,
    kToggleTextures,     kToggleClampTextures,  kToggleWireFrame,  kTogglePanel,
    kToggleSimpleShapes, kToolbarSeparator,     kToggleSound,      kToggleJoystick,
    kToolbarSeparator,   kToggleCollisionDebug, kToolbarSeparator, kRestart,
};

// The flags switch to 0 only from 1: any other stored value switches them on.
void toggleFlag(std::int32_t& flag) {
  flag = flag == 1 ? 0 : 1;
}

void toggleShading(std::int32_t& shading, char mode) {
  shading = shading == mode ? 's' : mode;
}

using SettingsFlag = std::int32_t Settings::*;

// The setting a plain flag toggle switches, or null. On-screen help is not among them: it is
// negated rather than switched to 1, so any other stored value turns it off.
SettingsFlag toggledFlag(int id) {
  switch (id) {
    case kToggleTextures:
      return &Settings::textures;
    case kToggleJoystick:
      return &Settings::joystickEnabled;
    case kToggleClampTextures:
      return &Settings::clampTextures;
    case kToggleCollisionDebug:
      return &Settings::collisionDebug;
    case kTogglePanel:
      return &Settings::panel;
    case kToggleSimpleShapes:
      return &Settings::simpleShapes;
    case kToggleAttack:
      return &Settings::attack;
    default:
      return nullptr;
  }
}

int countIdentities(const Identity* head) {
  int count = 0;
  for (const Identity* it = head; it; it = it->next.get()) ++count;
  return count;
}

// Steps `controlled` through the list with `step` until it lands on an Identity that is not a
// shot; one full round at most, so a scene of shots keeps its selection.
void stepControlled(ModelState& model, Identity* (*step)(Identity*, Identity*)) {
  Identity* head = model.scene.get();
  Identity* candidate = model.controlled;
  for (int left = countIdentities(head); left > 0; --left) {
    candidate = step(candidate, head);
    if (!isShot(*candidate)) {
      model.controlled = candidate;
      return;
    }
  }
}

}  // namespace

std::span<const Command> commands() {
  return kCommands;
}

const Command* findCommand(int id) {
  const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                  [id](const Command& command) { return command.id == id; });
  return found == std::end(kCommands) ? nullptr : &*found;
}

std::span<const int> toolbarLayout() {
  return kToolbar;
}

std::optional<bool> commandChecked(int id, const Settings& settings) {
  switch (id) {
    case kToggleWireFrame:
      return settings.shading == 'w';
    case kToggleFlat:
      return settings.shading == 'f';
    case kToggleIdHelp:
      return settings.idHelp != 0;
    case kToggleSound:
      return settings.soundEnabled != 0;
    default: {
      const SettingsFlag flag = toggledFlag(id);
      if (!flag) return std::nullopt;
      return settings.*flag != 0;
    }
  }
}

void runCommand(ViewState& view, int id, const SceneFileChooser& chooseSceneFile) {
  Settings& settings = view.settings;
  switch (id) {
    case kAddIdentity:
    case kFlyCraft: {
      std::string file = chooseSceneFile ? chooseSceneFile() : std::string();
      if (!file.empty()) {
        view.commands.emplace_back(
            id == kAddIdentity ? GameCommand::Kind::addFile : GameCommand::Kind::flyFile,
            std::move(file));
      }
      return;
    }
    case kNextIdentity:
      view.commands.emplace_back(GameCommand::Kind::nextIdentity);
      return;
    case kPreviousIdentity:
      view.commands.emplace_back(GameCommand::Kind::previousIdentity);
      return;
    case kNextCamera:
      nextCamera(view.model);
      return;
    case kToggleWireFrame:
      toggleShading(settings.shading, 'w');
      return;
    case kToggleFlat:
      toggleShading(settings.shading, 'f');
      return;
    case kToggleIdHelp:
      settings.idHelp = settings.idHelp == 0 ? 1 : 0;
      return;
    case kToggleSound:
      if (settings.soundEnabled == 1) {
        soundOff(view.sounds, settings.soundEnabled);
      } else {
        soundOn(settings.soundEnabled);
      }
      return;
    default:
      if (const SettingsFlag flag = toggledFlag(id)) toggleFlag(settings.*flag);
      return;
  }
}

bool addSceneFile(ViewState& view, const std::string& path,
                  const UnreadableTextureHandler& onUnreadableTexture) {
  if (path.empty()) return false;
  view.model.frameReady = 0;
  SceneAssets assets = view.assets(onUnreadableTexture);
  LoadReport report;
  const bool loaded = loadSceneFile(path, view.model, assets, &report);
  view.model.frameReady = 1;
  if (!loaded) {
    view.news.push_back(unreadableNews(path));
    return false;
  }
  noteLoadedParts(report);
  view.news.push_back(addedNews(*lastIdentity(view.model.scene.get()), path, report));
  return true;
}

void nextControlled(ModelState& model) {
  stepControlled(model, nextIdentity);
}

void previousControlled(ModelState& model) {
  stepControlled(model, previousIdentity);
}

void nextCamera(ModelState& model) {
  if (!model.controlled) return;
  SceneNode* first = model.controlled->nodes.get();
  SceneNode* from = first;
  for (SceneNode* node = first; node; node = node->next.get()) {
    if (node->pose.get() == model.activeCamera) {
      from = node->next.get();
      break;
    }
  }
  for (SceneNode* node = from; node; node = node->next.get()) {
    if (isKind(*node, "CAMERA") && node->pose) {
      model.activeCamera = node->pose.get();
      return;
    }
  }
  model.activeCamera = &model.freeCamera;
}

}  // namespace vev
