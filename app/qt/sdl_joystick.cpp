#include "app/qt/sdl_joystick.h"

namespace vev {
namespace {

constexpr int kAxisMin = -32768;
constexpr int kAxisMax = 32767;

}  // namespace

SdlJoystick::SdlJoystick() {
  // The window's toolkit owns the process's signals.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  initialised_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
}

SdlJoystick::~SdlJoystick() {
  device_.reset();
  if (initialised_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

std::optional<JoystickRange> SdlJoystick::capabilities() {
  if (!initialised_) return std::nullopt;
  SDL_JoystickUpdate();
  if (device_ && !SDL_JoystickGetAttached(device_.get())) device_.reset();
  if (!device_ && SDL_NumJoysticks() > 0) device_.reset(SDL_JoystickOpen(0));
  if (!device_ || SDL_JoystickNumAxes(device_.get()) < 2) return std::nullopt;
  return JoystickRange{kAxisMin, kAxisMax, kAxisMin, kAxisMax};
}

JoystickPosition SdlJoystick::position() {
  if (!device_) return {};
  return {SDL_JoystickGetAxis(device_.get(), 0), SDL_JoystickGetAxis(device_.get(), 1)};
}

}  // namespace vev
