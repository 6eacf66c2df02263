#include "model/vector3.h"
#include "render/flame_cone.h"
#include "render/level_of_detail.h"
#include "render/polygon_builder.h"
#include "render/shape_builders.h"

namespace vev {
namespace {

// The disc grows to `size` at `max` seconds and then shrinks until the clock stops. A zero `max`
// or `time` gives no disc rather than a division by zero.
float discDiameter(float clock, float max, float time, float size) {
  if (clock > max) return time != 0.0f ? (time - (clock - max)) * size / time : 0.0f;
  return max != 0.0f ? clock * size / max : 0.0f;
}

}  // namespace

void buildExplosion(SceneNode& node, std::vector<Polygon>& polygons, const BuildContext& context) {
  // An explosion that was never set off may have no clock slot: it is idle.
  const float clock = param(node, 0);
  const float max = param(node, 1);
  const float time = param(node, 2);
  const float size = param(node, 4);
  if (!node.pose || !node.shape) return;
  const float diameter = discDiameter(clock, max, time, size);
  // The disc faces the camera: it is built on the camera's axes at the node's position.
  const NodeFrame frame{node.pose->position, context.camera.tangent, context.camera.normal,
                        context.camera.binormal};
  const float distance = length(frame.origin + frame.x - context.camera.position);
  const int step = tailStep(diameter, distance, context.settings.simpleShapes != 0);
  appendFlameCone(polygons, node, frame, {0.0f, 0.0f, 0.0f}, diameter / 2.0f, step);
}

}  // namespace vev
