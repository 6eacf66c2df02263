#include "render/level_of_detail.h"

namespace vev {

int noseStep(float size, float distance, bool simpleShapes) {
  if (simpleShapes) return kCoarsestStep;
  const float r = distance == 0.0f ? 1.0f : size / distance;
  if (r > 1.0f) return kCoarsestStep;
  if (r > 0.5f) return kFinestStep;
  if (r > 0.1f) return 10;
  if (r > 0.05f) return 20;
  return kCoarsestStep;
}

int tailStep(float size, float distance, bool simpleShapes) {
  if (simpleShapes || distance == 0.0f) return kCoarsestStep;
  const float r = size / distance;
  if (r >= 1.0f) return kCoarsestStep;
  if (r >= 0.5f) return kFinestStep;
  if (r >= 0.1f) return 10;
  if (r >= 0.05f) return 20;
  return kCoarsestStep;
}

int roundBeamStep(bool simpleShapes) {
  return simpleShapes ? kCoarsestStep : 20;
}

int roundNoseSlices(bool simpleShapes) {
  return simpleShapes ? 4 : 8;
}

}  // namespace vev
