#pragma once

#include <string_view>

#include "model/model_state.h"

namespace vev {

// The camera named by --camera: "free" for the free camera (-1), or N for node N of the first
// Identity; false when the text is neither.
bool parseCamera(std::string_view text, int& cameraNode);

// The pose that --camera names: the free camera for -1, or the pose of node `cameraNode` of the
// first Identity; null when that node does not exist or has no pose.
Pose* chooseCamera(ModelState& model, int cameraNode);

}  // namespace vev
