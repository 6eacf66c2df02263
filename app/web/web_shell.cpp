#include "app/web/web_shell.h"

#include <SDL/SDL.h>
#include <emscripten.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "app/commands.h"
#include "app/demo_scene.h"
#include "app/frame.h"
#include "app/game_step.h"
#include "app/key_state.h"
#include "app/shown_messages.h"
#include "app/web/web_keys.h"
#include "render/viewport.h"
#include "sim/node_kind.h"
#include "sim/state_checksum.h"
#include "sound/openal_sound_library.h"
#include "sound/sound_switch.h"

namespace vev {
namespace {

// After the page was hidden the clock has run on: at most this many steps catch up at once.
constexpr int kMostStepsAtOnce = 4;
constexpr KeyCode kPauseKey = 19;
constexpr KeyCode kRestartKey = 'R';

// clang-format off
EM_JS(void, showPageMessage, (const char* text), {
  if (typeof vevShowMessage === "function") vevShowMessage(UTF8ToString(text));
});

EM_JS(void, showPageStatus, (const char* text), {
  if (typeof vevShowStatus === "function") vevShowStatus(UTF8ToString(text));
});

EM_JS(void, tellPageChanged, (), {
  if (typeof vevCommandsChanged === "function") vevCommandsChanged();
});
// clang-format on

bool hasWebGl() {
  SDL_Init(SDL_INIT_VIDEO);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  return SDL_SetVideoMode(800, 600, 32, SDL_OPENGL) != nullptr &&
         emscripten_webgl_get_current_context() != 0;
}

// Keys the browser keeps: reload, full screen, its developer tools.
bool browserKey(KeyCode code) {
  return code == 116 || code == 122 || code == 123;
}

}  // namespace

WebShell::WebShell(const WebOptions& options)
    : view_(std::make_unique<OpenAlSoundLibrary>()), holdAt_(options.holdAt) {
  if (!hasWebGl()) {
    showPageMessage("This browser gives the page no WebGL, which VEV draws with.");
    return;
  }
  ready_ = true;
  view_.settings = readSettings(store_);
  if (options.attack) {
    view_.settings.attack = *options.attack ? 1 : 0;
    writeSettings(store_, view_.settings);
  }
  if (!holdsDemoScene({})) showPageMessage("The demonstration is missing from vev.data.");
  SceneAssets assets = view_.assets(
      [](const std::string& path) { showPageStatus(("Could not read texture: " + path).c_str()); });
  loadDemoScene(view_.model, assets);
  fitCanvas();
}

void WebShell::frame(double nowMs) {
  if (lastStepMs_ < 0.0 || nowMs - lastStepMs_ > kStepMs * kMostStepsAtOnce) {
    lastStepMs_ = nowMs - kStepMs;
  }
  bool stepped = false;
  const double start = emscripten_get_now();
  for (; nowMs - lastStepMs_ >= kStepMs; lastStepMs_ += kStepMs) {
    if (paused_ || (holdAt_ > 0 && stepsTaken_ >= holdAt_)) continue;
    step();
    stepped = true;
  }
  fitCanvas();
  if (!stepped && drawn_) return;
  draw();
  if (!stepped) return;
  frameMsTotal_ += emscripten_get_now() - start;
  ++timedFrames_;
}

void WebShell::step() {
  const FrameInputs inputs = takeFrameInputs(view_);
  stepFrame(view_, inputs);
  ++stepsTaken_;
  tellNews();
}

void WebShell::draw() {
  if (view_.model.frameReady == 0) return;
  drawFrame(view_, {});
  drawn_ = true;
}

// The canvas fills the page: its drawing buffer follows its size on the screen in device pixels.
void WebShell::fitCanvas() {
  double cssWidth = 0.0;
  double cssHeight = 0.0;
  emscripten_get_element_css_size("#canvas", &cssWidth, &cssHeight);
  const double ratio = emscripten_get_device_pixel_ratio();
  const int width = static_cast<int>(std::lround(cssWidth * ratio));
  const int height = static_cast<int>(std::lround(cssHeight * ratio));
  if (width <= 0 || height <= 0) return;
  if (width == view_.viewport.width && height == view_.viewport.height) return;
  emscripten_set_canvas_element_size("#canvas", width, height);
  resize(view_.viewport, width, height);
  drawn_ = false;
}

void WebShell::tellNews() {
  for (const std::string& news : std::exchange(view_.news, {})) {
    showPageStatus(news.c_str());
    showInView(view_.shownMessages, news, kShownMessageFrames);
  }
}

bool WebShell::keyDown(const EmscriptenKeyboardEvent& event) {
  const KeyCode code = virtualKeyOfCode(event.code);
  if (code == 0 || browserKey(code)) return false;
  if (event.repeat) return true;
  if (code == kPauseKey) {
    runCommand(kTogglePause);
    return true;
  }
  const Identity* controlled = view_.model.controlled;
  if (code == kRestartKey && controlled && isDestroyed(*controlled)) runCommand(kRestart);
  vev::keyDown(view_.model.keyState, code);
  vev::keyDown(view_.pressedSinceStep, code);
  return true;
}

bool WebShell::keyUp(const EmscriptenKeyboardEvent& event) {
  const KeyCode code = virtualKeyOfCode(event.code);
  if (code == 0 || browserKey(code)) return false;
  vev::keyUp(view_.model.keyState, code);
  return true;
}

void WebShell::releaseKeys() {
  releaseAllKeys(view_.model.keyState);
  releaseAllKeys(view_.pressedSinceStep);
}

void WebShell::setPaused(bool paused) {
  paused_ = paused;
  if (paused_) silenceLoops(view_.sounds);
  showPausedInView(view_.shownMessages, paused_);
}

void WebShell::runCommand(int id) {
  switch (id) {
    case kRestart:
      // A restart starts a new flight: it runs, whether or not the old one was paused.
      setPaused(false);
      showPageStatus("");
      view_.commands.emplace_back(GameCommand::Kind::restart);
      break;
    case kTogglePause:
      setPaused(!paused_);
      break;
    default:
      vev::runCommand(view_, id, {});
      break;
  }
  writeSettings(store_, view_.settings);
  drawn_ = false;
  tellNews();
  tellPageChanged();
}

const char* WebShell::checksumText() {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx",
                static_cast<unsigned long long>(stateChecksum(view_.model)));
  checksumText_ = text;
  return checksumText_.c_str();
}

int WebShell::checked(int id) const {
  if (id == kTogglePause) return paused_ ? 1 : 0;
  const std::optional<bool> on = commandChecked(id, view_.settings);
  return on ? (*on ? 1 : 0) : -1;
}

}  // namespace vev
