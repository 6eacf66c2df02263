#pragma once

#include <emscripten/html5.h>

#include <optional>
#include <string>

#include "app/view_state.h"
#include "app/web/local_storage_store.h"

namespace vev {

// What the page starts the shell with (from its address): the pilot over the stored setting, and
// for tests a frame at which the game holds still until released.
struct WebOptions {
  std::optional<bool> attack;
  int holdAt = 0;  // 0: never
};

// The browser's counterpart of the desktop program's view: the GL context on the page's canvas,
// the demonstration, the keys, and the frame on the animation callback, stepping once per 40 ms
// of the real clock and drawing the latest state. Settings live in localStorage.
class WebShell {
 public:
  static constexpr double kStepMs = 40.0;

  explicit WebShell(const WebOptions& options);
  WebShell(const WebShell&) = delete;
  WebShell& operator=(const WebShell&) = delete;

  // False when the page has no WebGL (the page was told so).
  bool ready() const { return ready_; }

  // The animation callback: the steps that `nowMs` (the page's clock) makes due, then the picture.
  void frame(double nowMs);

  bool keyDown(const EmscriptenKeyboardEvent& event);
  bool keyUp(const EmscriptenKeyboardEvent& event);
  // The page lost the keyboard: it would never see the releases.
  void releaseKeys();

  // A toolbar command of the page, as the desktop's toolbar and menus run them (restart and
  // pause included); the settings are stored at once.
  void runCommand(int id);
  // 1 or 0 for a toggle that is on or off, -1 for a command that is no toggle.
  int checked(int id) const;

  // Steps up to frame `frame` and holds there (0: runs on).
  void holdAt(int frame) { holdAt_ = frame; }
  int stepsTaken() const { return stepsTaken_; }
  // The state's checksum as 16 hexadecimal digits, valid until the next call.
  const char* checksumText();
  // The mean time of a stepped frame's work (step and picture), in ms of the page's clock.
  double meanFrameMs() const { return timedFrames_ ? frameMsTotal_ / timedFrames_ : 0.0; }

 private:
  void step();
  void draw();
  void fitCanvas();
  void tellNews();
  void setPaused(bool paused);

  LocalStorageStore store_;
  ViewState view_;
  bool ready_ = false;
  bool paused_ = false;
  bool drawn_ = false;
  int holdAt_ = 0;
  int stepsTaken_ = 0;
  double lastStepMs_ = -1.0;
  std::string checksumText_;
  double frameMsTotal_ = 0.0;
  int timedFrames_ = 0;
};

}  // namespace vev
