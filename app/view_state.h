#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/demo_pilot.h"
#include "app/frame_inputs.h"
#include "app/settings.h"
#include "app/shown_messages.h"
#include "model/model_state.h"
#include "model/texture_list.h"
#include "render/line_segments.h"
#include "render/texture_cache.h"
#include "render/viewport.h"
#include "scenefile/scene_assets.h"
#include "sim/joystick.h"
#include "sound/sound_registry.h"
#include "sound/sound_table.h"

namespace vev {

// Everything the view owns for the life of the window, and that every frame works on: the
// model, the textures and sounds its scene files loaded, the settings, the viewport, the demo
// pilot and the joystick. The desktop program and the headless runner each hold one.
struct ViewState {
  // `sound` is the library the sound table plays through; the table is initialised here and a
  // failure leaves sound unavailable and nothing else changed.
  explicit ViewState(std::unique_ptr<SoundLibrary> sound);
  // Stops every registered sound and closes the sound table, unless that was done already.
  ~ViewState();
  ViewState(const ViewState&) = delete;
  ViewState& operator=(const ViewState&) = delete;

  // What loading a scene file into this view needs; `onUnreadableTexture` is told each texture
  // that cannot be read.
  SceneAssets assets(UnreadableTextureHandler onUnreadableTexture);

  ModelState model;
  TextureList textures;
  TextureCache textureCache;  // the textures' GL objects in the view's context
  SoundTable soundTable;
  SoundRegistry sounds;
  Settings settings;
  Viewport viewport;
  DemoPilot pilot;
  Joystick* joystick = nullptr;       // none until the program attaches one
  DebugLines collisionLines;          // this frame's collision test vectors, when shown
  std::vector<std::string> news;      // what to tell the player, oldest first (see news.h)
  std::vector<GameCommand> commands;  // given since the last step, applied with the next one
  // Keys pressed since the last step took the keys: a press released before the next step still
  // reaches it as held.
  KeyStates pressedSinceStep{};
  std::vector<ShownMessage> shownMessages;       // drawn over the view, oldest first
  std::string dataDir;                           // the folder holding the demonstration's sw/
  std::vector<std::string> ownFiles;             // flown alone instead of the demonstration
  UnreadableTextureHandler onUnreadableTexture;  // told each texture a load cannot read
  // This view belongs to the second player of a two-player game: his craft's HUD and control
  // panel are drawn, and its destruction is his own.
  bool secondPlayerView = false;
};

// The craft this view's player flies: the second player's, or the controlled one.
const Identity* playersCraft(ViewState& view);

}  // namespace vev
