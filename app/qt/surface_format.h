#pragma once

#include <QSurfaceFormat>

namespace vev {

// The view's GL surface: the fixed-function pipeline (compatibility profile 2.1), double
// buffered RGBA with a depth buffer of at least 24 bits and an 8-bit stencil.
QSurfaceFormat viewSurfaceFormat();

}  // namespace vev
