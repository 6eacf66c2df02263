#include "sound/distance_gain.h"

namespace vev {

float distanceGain(const Vec3& emitter, const Vec3& listener, float range) {
  // A zero range would divide by zero, and a negative one would grow louder with distance.
  if (!(range > 0.0f)) return 0.0f;
  const float gain = (range - length(listener - emitter)) / range;
  return gain > 0.0f ? gain : 0.0f;
}

}  // namespace vev
