#pragma once

#include <SDL.h>

#include <memory>
#include <optional>

#include "sim/joystick.h"

namespace vev {

// The first joystick of SDL's joystick subsystem, axes 0 (x) and 1 (y). The device is opened at
// the first query that finds one and closed when it is unplugged, so a query fails while there is
// no joystick 0.
class SdlJoystick final : public Joystick {
 public:
  SdlJoystick();
  ~SdlJoystick() override;
  SdlJoystick(const SdlJoystick&) = delete;
  SdlJoystick& operator=(const SdlJoystick&) = delete;

  // Also brings the device's state up to date, for the position read after it.
  std::optional<JoystickRange> capabilities() override;
  JoystickPosition position() override;

 private:
  struct Closer {
    void operator()(SDL_Joystick* device) const { SDL_JoystickClose(device); }
  };

  bool initialised_ = false;
  std::unique_ptr<SDL_Joystick, Closer> device_;
};

}  // namespace vev
