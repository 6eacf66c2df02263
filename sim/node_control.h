#pragma once

#include "model/identity.h"
#include "model/model_state.h"
#include "model/pose.h"
#include "model/scene_node.h"

namespace vev {

// The node control step: applies the channels of every node of `identity`, from `first` along
// the file order, to the nodes' poses, throttles, activation, toggles and sound requests; fires
// laser cannons (new "AMMO" Identities are linked right after `identity`) and starts explosion
// nodes whose detonate key is down. Cameras belong to the view and do not respond here (see
// stepCameraChannels). `identityPose` is the frame that non-camera nodes turn their y channel
// about; null means the world frame. Reads `gravity`, `worldFrame` and the step from `model`.
void stepNodes(ModelState& model, Identity& identity, SceneNode* first, Pose* identityPose);

// The view's part of the node step: the camera node whose pose is the active camera moves and
// turns by its channels with its Identity's keys, while both are alive and active.
void stepCameraChannels(ModelState& model);

}  // namespace vev
