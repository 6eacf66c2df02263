#pragma once

#include <QDialog>

namespace vev {

// What the keys do, as the About dialog shows it under "Control:".
inline constexpr const char* kHelpText =
    "Cursor Arrows or Joystick: SpaceCraft Orientaion\nDelete/PGDN: SpaceCraft Roll\nSpace or "
    "Shift: Fire Lasers\nT/B: Increase/Decrease Thrust\nQ: Wings Geometry\nA/S: Select "
    "Previous/Next Target\nZ/X: Align Wingtip laser cannons";

// The keys of this program beyond those of the demonstration's craft.
inline constexpr const char* kMoreKeysText =
    "N: Nearest target ahead\nPause: Pause and go on\nF11: Full screen (Esc leaves it)\n"
    "R: Restart once your craft is destroyed\nNext camera (toolbar): the craft's other cameras";

// The program's title lines and the controls, with an OK button; shown modally before the main
// window and again from the Help menu.
class AboutDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace vev
