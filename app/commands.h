#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/settings.h"
#include "app/view_state.h"
#include "model/model_state.h"

namespace vev {

// The toolbar and menu commands by their identifiers.
enum CommandId : int {
  kAddIdentity = 32771,
  kToggleIdHelp = 32772,
  kNextIdentity = 32773,
  kPreviousIdentity = 32774,
  kIdentityLabel = 32775,
  kCameraLabel = 32776,
  kGraphicsLabel = 32777,
  kNextCamera = 32778,
  kToggleWireFrame = 32779,
  kToggleTextures = 32780,
  kToggleFlat = 32781,
  kToggleSound = 32784,
  kToggleJoystick = 32785,
  kToggleClampTextures = 32786,
  kToggleCollisionDebug = 32788,
  kTogglePanel = 32789,
  kToggleSimpleShapes = 32790,
  // Our own, beyond the program's original commands.
  kToggleAttack = 32791,
  kRestart = 32792,
  kTogglePause = 32793,
  kToggleFullScreen = 32794,
  kToggleWatch = 32795,
  kFlyCraft = 32796,
};

enum class CommandKind {
  Action,         // does something once
  Toggle,         // switches a setting and is shown on while it holds
  DisabledLabel,  // a caption among the buttons that cannot be pressed
  InactiveLabel,  // a caption that can be pressed and does nothing
};

struct Command {
  int id;
  std::string_view text;  // the program's own text; empty for the commands that have none
  std::string_view name;  // a short name of our own, for the commands without a text
  CommandKind kind;

  // The text, or the short name where there is no text: what a tool tip shows.
  std::string_view description() const { return text.empty() ? name : text; }
};

// Every command, in identifier order.
std::span<const Command> commands();
// The command of `id`, or null.
const Command* findCommand(int id);

// The toolbar, left to right; kToolbarSeparator marks a separator.
inline constexpr int kToolbarSeparator = 0;
std::span<const int> toolbarLayout();

// Whether a toggle is shown on; nothing for the commands that are not toggles.
std::optional<bool> commandChecked(int id, const Settings& settings);

// The open-file dialog of "Add an Identity to the scene": the chosen path, or empty when the
// dialog was cancelled.
using SceneFileChooser = std::function<std::string()>;

// Runs a command on the view. The commands that change the simulation (adding an Identity, for
// which `chooseSceneFile` is asked the file, and choosing the controlled one) are queued for the
// next step; the rest act at once. Labels and unknown identifiers do nothing.
void runCommand(ViewState& view, int id, const SceneFileChooser& chooseSceneFile);

// Appends the Identities of a scene file to the running scene, between frames: `frameReady` is
// clear for the duration, so no tick asks for a frame meanwhile. False, and the scene unchanged,
// when the file cannot be read.
bool addSceneFile(ViewState& view, const std::string& path,
                  const UnreadableTextureHandler& onUnreadableTexture);

// The next or previous Identity of the scene becomes the controlled one, skipping shots. The
// camera stays. Nothing changes when the scene is empty or holds only shots.
void nextControlled(ModelState& model);
void previousControlled(ModelState& model);

// The controlled craft's next camera after the active one, in file order; after its last, the
// free camera; from the free camera, its first again.
void nextCamera(ModelState& model);

}  // namespace vev
