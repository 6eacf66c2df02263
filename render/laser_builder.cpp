#include "render/polygon_builder.h"
#include "render/shape_builders.h"

namespace vev {

void buildLaserCannon(SceneNode& node, std::vector<Polygon>& polygons, const BuildContext&) {
  if (!node.shape || !node.pose) return;
  const Shape& shape = *node.shape;
  const NodeFrame frame = frameOf(*node.pose);
  Polygon& line = polygons.emplace_back();
  line.owner = &node;
  line.outline = 1;
  line.lightingDone = 1;
  line.blend = shape.diffuse[3] != 1.0f || shape.specular[3] != 1.0f;
  line.vertices = {{frame.point({0.0f, 0.0f, 0.0f}), {}, shape.diffuse},
                   {frame.point({-param(node, 2), 0.0f, 0.0f}), {}, shape.diffuse}};
}

}  // namespace vev
