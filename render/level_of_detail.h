#pragma once

// Angular steps (degrees) of curved parts, from how large the part looks from the camera: the
// ratio r = size / distance. `simpleShapes` makes every step the coarsest.
namespace vev {

inline constexpr int kCoarsestStep = 45;
inline constexpr int kFinestStep = 5;

// The front end of a quad beam, measured at the node's position; a zero distance counts as r = 1.
int noseStep(float size, float distance, bool simpleShapes);

// The far end of a quad beam, the jet flame and the explosion disc; a zero distance is coarsest.
int tailStep(float size, float distance, bool simpleShapes);

// Round beams do not look at their size.
int roundBeamStep(bool simpleShapes);
// The step of the nose profile parameter from tip (0) to tube (1), as a number of slices.
int roundNoseSlices(bool simpleShapes);

}  // namespace vev
