#include "model/vector3.h"
#include "render/flame_cone.h"
#include "render/level_of_detail.h"
#include "render/polygon_builder.h"
#include "render/shape_builders.h"

namespace vev {

void buildJet(SceneNode& node, std::vector<Polygon>& polygons, const BuildContext& context) {
  if (!node.shape || !node.pose) return;
  const float diameter = param(node, 1);
  const float flameLength = param(node, 2);
  const float level = node.throttle ? node.throttle->level : 0.0f;
  const Pose& pose = *node.pose;
  const float distance = length(pose.position + pose.tangent - context.camera.position);
  const int step = tailStep(diameter, distance, context.settings.simpleShapes != 0);
  appendFlameCone(polygons, node, frameOf(pose), {flameLength * level, 0.0f, 0.0f}, diameter / 2.0f,
                  step);
}

}  // namespace vev
