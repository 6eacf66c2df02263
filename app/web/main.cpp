// vev in the browser: the shell on the page's canvas, driven by the animation callback. The page
// (vev.html) talks to it through the functions below, given the shell when it has started.

#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstdlib>
#include <memory>
#include <string_view>

#include "app/web/web_shell.h"

namespace {

using vev::WebShell;

vev::WebOptions parseOptions(int argc, char** argv) {
  vev::WebOptions options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view option = argv[i];
    const std::string_view value = argv[i + 1];
    if (option == "--pilot") options.attack = value == "attack";
    if (option == "--hold") options.holdAt = std::atoi(argv[i + 1]);
  }
  return options;
}

void frame(void* shell) {
  static_cast<WebShell*>(shell)->frame(emscripten_get_now());
}

EM_BOOL keyDown(int, const EmscriptenKeyboardEvent* event, void* shell) {
  return static_cast<WebShell*>(shell)->keyDown(*event) ? EM_TRUE : EM_FALSE;
}

EM_BOOL keyUp(int, const EmscriptenKeyboardEvent* event, void* shell) {
  return static_cast<WebShell*>(shell)->keyUp(*event) ? EM_TRUE : EM_FALSE;
}

EM_BOOL lostFocus(int, const EmscriptenFocusEvent*, void* shell) {
  static_cast<WebShell*>(shell)->releaseKeys();
  return EM_FALSE;
}

EM_BOOL hidden(int, const EmscriptenVisibilityChangeEvent* event, void* shell) {
  if (event->hidden) static_cast<WebShell*>(shell)->releaseKeys();
  return EM_FALSE;
}

// clang-format off
EM_JS(void, tellPageStarted, (WebShell* shell), {
  if (typeof vevStarted === "function") vevStarted(shell);
});
// clang-format on

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void vev_command(WebShell* shell, int id) {
  shell->runCommand(id);
}

EMSCRIPTEN_KEEPALIVE int vev_checked(WebShell* shell, int id) {
  return shell->checked(id);
}

EMSCRIPTEN_KEEPALIVE void vev_hold_at(WebShell* shell, int frame) {
  shell->holdAt(frame);
}

EMSCRIPTEN_KEEPALIVE int vev_steps_taken(WebShell* shell) {
  return shell->stepsTaken();
}

// The state's checksum in hexadecimal, as vev-scene run --checksum-every prints it.
EMSCRIPTEN_KEEPALIVE const char* vev_checksum(WebShell* shell) {
  return shell->checksumText();
}

EMSCRIPTEN_KEEPALIVE double vev_mean_frame_ms(WebShell* shell) {
  return shell->meanFrameMs();
}

}  // extern "C"

int main(int argc, char** argv) {
  // The shell lives as long as the page: the main loop below never ends, and main's own stack
  // frame is given up when it starts, so the shell is not kept there.
  std::unique_ptr<WebShell> owner = std::make_unique<WebShell>(parseOptions(argc, argv));
  if (!owner->ready()) return 1;
  WebShell* shell = owner.release();
  const char* window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
  emscripten_set_keydown_callback(window, shell, EM_TRUE, keyDown);
  emscripten_set_keyup_callback(window, shell, EM_TRUE, keyUp);
  emscripten_set_blur_callback(window, shell, EM_TRUE, lostFocus);
  emscripten_set_visibilitychange_callback(shell, EM_TRUE, hidden);
  tellPageStarted(shell);
  emscripten_set_main_loop_arg(frame, shell, 0, EM_TRUE);
  return 0;
}
