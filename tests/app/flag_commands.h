#pragma once

#include <cstdint>

#include "app/commands.h"
#include "app/settings.h"

namespace vev::test {

// Every command that switches one setting on and off, with the setting it switches.
struct FlagCommand {
  int id;
  std::int32_t Settings::*flag;
};

inline constexpr FlagCommand kFlagCommands[] = {
    {kToggleIdHelp, &Settings::idHelp},
    {kToggleTextures, &Settings::textures},
    {kToggleSound, &Settings::soundEnabled},
    {kToggleJoystick, &Settings::joystickEnabled},
    {kToggleClampTextures, &Settings::clampTextures},
    {kToggleCollisionDebug, &Settings::collisionDebug},
    {kTogglePanel, &Settings::panel},
    {kToggleSimpleShapes, &Settings::simpleShapes},
};

}  // namespace vev::test
