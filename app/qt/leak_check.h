#pragma once

namespace vev {

// Keeps the GL driver Mesa loaded for the window in memory until the process ends. Mesa unloads
// it as the application closes its display, leaving what the driver still holds unreachable, so
// that a leak checker run at exit (the sanitizer build's) would blame this program for it.
void keepGlDriverLoaded();

}  // namespace vev
