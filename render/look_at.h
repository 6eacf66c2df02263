#pragma once

#include <array>

#include "model/vector3.h"

namespace vev {

// The rotation of a camera at `eye` looking at `centre` with `up` above, as GL's column-major
// matrix. It is worked out in single precision step by step, exactly as the desktop's GLU does
// it, so that every picture keeps its pixels; the browser's GL has no working look-at of its own.
// `up` need not be at right angles to the view; a zero view or side leaves that axis unscaled.
std::array<float, 16> lookAtRotation(const Vec3& eye, const Vec3& centre, const Vec3& up);

// Multiplies the current GL matrix by the look-at: the rotation, then the move of `eye` to the
// origin.
void multiplyLookAt(const Vec3& eye, const Vec3& centre, const Vec3& up);

}  // namespace vev
