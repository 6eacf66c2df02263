#include "app/cli/camera_choice.h"

#include "app/cli/arguments.h"

namespace vev {

bool parseCamera(std::string_view text, int& cameraNode) {
  if (text == "free") {
    cameraNode = -1;
    return true;
  }
  return parseWhole(text, 0, 1 << 30, cameraNode);
}

Pose* chooseCamera(ModelState& model, int cameraNode) {
  if (cameraNode < 0) return &model.freeCamera;
  if (!model.scene) return nullptr;
  SceneNode* node = model.scene->nodes.get();
  for (int i = 0; node && i < cameraNode; ++i) node = node->next.get();
  return node ? node->pose.get() : nullptr;
}

}  // namespace vev
