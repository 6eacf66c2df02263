#pragma once

#include "model/body_state.h"
#include "model/identity.h"
#include "model/pose.h"
#include "model/scene_node.h"

// Operations that turn and move reference frames in place. An axis or direction (a, b, c) is
// given in the components of a frame's axes: a along tangent, b along normal, c along binormal.
// Angles are degrees. None of them allocates; they run for every node of every moved Identity.
namespace vev {

// Turns the pose's axes about (a, b, c) in its own axes; the position stays.
Pose& rotatePose(Pose& pose, float a, float b, float c, float angle);

// Turns the pose about the pivot of `pivotBody`, the axis (a, b, c) given in `reference`'s axes.
// Carries `body`'s pivot along (or, when body is pivotBody, turns its rail direction back), and
// the map points of a mapping-5 shape. Null pose: nothing happens and null is returned.
Pose* rotateAboutPivot(Pose* pose, BodyState* body, Shape* shape, Pose& reference,
                       BodyState& pivotBody, float a, float b, float c, float angle);

// Moves the pose by `distance` along the unit direction of (a, b, c) in its own axes.
Pose& movePose(Pose& pose, float a, float b, float c, float distance);

// Moves the pose, `body`'s pivot and a mapping-5 shape's map points by `distance` along (a, b, c)
// in `reference`'s axes. Returns the shape; null pose: nothing happens and null is returned.
Shape* moveInFrame(Pose* pose, BodyState* body, Shape* shape, Pose& reference, float a, float b,
                   float c, float distance);

// Moves the Identity, its pivot and every node that has a pose by a world offset; marks those
// nodes dirty. Axes are untouched.
void translateIdentity(Identity& identity, float dx, float dy, float dz);

// Takes a freshly read node (pose, pivot and mapping-5 map points in `reference`'s local
// coordinates) into world coordinates.
void placeNode(SceneNode& node, Pose& reference);

}  // namespace vev
