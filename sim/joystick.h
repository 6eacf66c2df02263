#pragma once

#include <optional>

namespace vev {

// The range each axis reports, from the device's capabilities.
struct JoystickRange {
  int xMin = 0;
  int xMax = 0;
  int yMin = 0;
  int yMax = 0;
};

// Where the stick stands, within its range.
struct JoystickPosition {
  int x = 0;
  int y = 0;
};

// The first joystick, as the craft controls read it. The desktop program provides the real
// device; tests provide given positions.
class Joystick {
 public:
  virtual ~Joystick() = default;

  // The axis ranges, or nothing when the joystick cannot be queried.
  virtual std::optional<JoystickRange> capabilities() = 0;
  virtual JoystickPosition position() = 0;
};

}  // namespace vev
