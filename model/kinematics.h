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

// A rigid motion x -> turn x + shift, gathered from the turns and moves of a node's channels in
// one step, so that a subtree follows all of them at once.
struct RigidMotion {
  double turn[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  double shift[3] = {0, 0, 0};
  bool turns = false;  // whether `turn` holds a rotation rather than the identity
  bool moves = false;  // whether anything was gathered, a move by nothing included
};

// The turn rotateAboutPivot gives a pose other than the pivot body's own: about (a, b, c) in
// `reference`'s axes (normalised here, as there) through `pivot`.
RigidMotion turnMotion(Pose& reference, float a, float b, float c, float angle, const Vec3& pivot);
// The move moveInFrame gives: `distance` along (a, b, c) in `reference`'s axes; a zero direction
// gives a move by nothing, which still counts as a move.
RigidMotion moveMotion(const Pose& reference, float a, float b, float c, float distance);
// `first`, then `second`.
RigidMotion followedBy(const RigidMotion& first, const RigidMotion& second);
// Moves the pose, `body`'s pivot and a mapping-5 shape's map points by the motion, as the turns
// and moves it gathers move a node that is not their pivot's. Null pose: nothing happens.
void applyMotion(const RigidMotion& motion, Pose* pose, BodyState* body, Shape* shape);

// Moves the Identity, its pivot and every node that has a pose by a world offset; marks those
// nodes dirty. Axes are untouched.
void translateIdentity(Identity& identity, float dx, float dy, float dz);

// Takes a freshly read node (pose, pivot and mapping-5 map points in `reference`'s local
// coordinates) into world coordinates.
void placeNode(SceneNode& node, Pose& reference);

}  // namespace vev
