#include "model/vector3.h"
#include "render/flame_cone.h"
#include "render/level_of_detail.h"
#include "render/polygon_builder.h"
#include "render/shape_builders.h"

namespace vev {
namespace {

// The explosion's clock (seconds, 0 = idle) runs once it has been started and stops at `time`.
void advanceClock(float& clock, float time, float step) {
  if (clock == 0.0f) return;
  clock += step;
  if (clock >= time) clock = 0.0f;
}

// The disc grows to `size` at `max` seconds and then shrinks until the clock stops. A zero `max`
// or `time` gives no disc rather than a division by zero.
float discDiameter(float clock, float max, float time, float size) {
  if (clock > max) return time != 0.0f ? (time - (clock - max)) * size / time : 0.0f;
  return max != 0.0f ? clock * size / max : 0.0f;
}

}  // namespace

void buildExplosion(SceneNode& node, std::vector<Polygon>& polygons, const BuildContext& context) {
  // An explosion that was never set off may have no clock slot: it is idle.
  float idle = 0.0f;
  float* clockSlot = paramSlot(node, 0);
  float& clock = clockSlot ? *clockSlot : idle;
  const float max = param(node, 1);
  const float time = param(node, 2);
  const float size = param(node, 4);
  advanceClock(clock, time, context.frameStepSeconds);
  if (!node.pose) return;
  const float diameter = discDiameter(clock, max, time, size);
  // The disc is turned to face the camera for good: the node keeps the camera's axes.
  Pose& pose = *node.pose;
  pose.tangent = context.camera.tangent;
  pose.normal = context.camera.normal;
  pose.binormal = context.camera.binormal;
  if (!node.shape) return;
  const float distance = length(pose.position + pose.tangent - context.camera.position);
  const int step = tailStep(diameter, distance, context.settings.simpleShapes != 0);
  appendFlameCone(polygons, node, frameOf(pose), {0.0f, 0.0f, 0.0f}, diameter / 2.0f, step);
}

}  // namespace vev
