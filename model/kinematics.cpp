#include "model/kinematics.h"

#include "model/deterministic_math.h"

namespace vev {
namespace {

constexpr double kHalfAngleFactor = 0.00872664;  // pi / 360: degrees to half-angle radians

// The rotation by `angle` degrees about the unit world axis w, from its quaternion.
struct Rotation {
  double m[3][3];

  Rotation(const Vec3& w, float angle) {
    const double h = angle * kHalfAngleFactor;
    const double s = dmath::cos(h);
    const double k = dmath::sin(h);
    set(s, k * w[0], k * w[1], k * w[2]);
  }

  // The inverse rotation.
  Rotation inverse() const {
    Rotation r = *this;
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) r.m[i][j] = m[j][i];
    }
    return r;
  }

  Vec3 apply(const Vec3& v) const {
    Vec3 out;
    for (int i = 0; i < 3; ++i) {
      out[i] = static_cast<float>(m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2]);
    }
    return out;
  }

  // p + M (point - p).
  Vec3 applyAbout(const Vec3& pivot, const Vec3& point) const {
    return pivot + apply(point - pivot);
  }

 private:
  void set(double s, double x, double y, double z) {
    m[0][0] = 2 * (s * s + x * x - 0.5);
    m[0][1] = 2 * (x * y - s * z);
    m[0][2] = 2 * (x * z + s * y);
    m[1][0] = 2 * (x * y + s * z);
    m[1][1] = 2 * (s * s + y * y - 0.5);
    m[1][2] = 2 * (y * z - s * x);
    m[2][0] = 2 * (x * z - s * y);
    m[2][1] = 2 * (y * z + s * x);
    m[2][2] = 2 * (s * s + z * z - 0.5);
  }
};

Vec3 inFrame(const Pose& frame, float a, float b, float c) {
  return a * frame.tangent + b * frame.normal + c * frame.binormal;
}

void normaliseAxes(Pose& pose) {
  normalise(pose.tangent);
  normalise(pose.normal);
  normalise(pose.binormal);
}

// Turns tangent and normal by M and rebuilds the binormal from them, all unit length.
void rotateAxes(Pose& pose, const Rotation& rotation) {
  pose.tangent = rotation.apply(pose.tangent);
  pose.normal = rotation.apply(pose.normal);
  pose.binormal = cross(pose.tangent, pose.normal);
  normaliseAxes(pose);
}

bool mapsMoveWithNode(const Shape* shape) {
  return shape && shape->mapping == 5;
}

Vec3 turned(const RigidMotion& motion, const Vec3& v) {
  Vec3 out;
  for (int i = 0; i < 3; ++i) {
    out[i] = static_cast<float>(motion.turn[i][0] * v[0] + motion.turn[i][1] * v[1] +
                                motion.turn[i][2] * v[2]);
  }
  return out;
}

Vec3 moved(const RigidMotion& motion, const Vec3& point) {
  Vec3 out;
  for (int i = 0; i < 3; ++i) {
    out[i] = static_cast<float>(motion.turn[i][0] * point[0] + motion.turn[i][1] * point[1] +
                                motion.turn[i][2] * point[2] + motion.shift[i]);
  }
  return out;
}

}  // namespace

Pose& rotatePose(Pose& pose, float a, float b, float c, float angle) {
  normalise(pose.tangent);
  normalise(pose.normal);
  Vec3 unitBinormal = pose.binormal;
  normalise(unitBinormal);
  const Vec3 axis = a * pose.tangent + b * pose.normal + c * unitBinormal;
  rotateAxes(pose, Rotation(axis, angle));
  return pose;
}

Pose* rotateAboutPivot(Pose* pose, BodyState* body, Shape* shape, Pose& reference,
                       BodyState& pivotBody, float a, float b, float c, float angle) {
  if (!pose) return nullptr;
  normaliseAxes(reference);
  normalise(pose->tangent);
  normalise(pose->normal);
  const Rotation rotation(inFrame(reference, a, b, c), angle);
  rotateAxes(*pose, rotation);

  const Vec3 pivot = pivotBody.pivot;
  pose->position = rotation.applyAbout(pivot, pose->position);
  if (body && body != &pivotBody) body->pivot = rotation.applyAbout(pivot, body->pivot);
  // The rail direction is held in the body's own frame, so it turns the other way.
  if (body && body == &pivotBody)
    body->rail.direction = rotation.inverse().apply(body->rail.direction);
  if (mapsMoveWithNode(shape)) {
    for (Vec3& point : shape->mapPoints) point = rotation.applyAbout(pivot, point);
  }
  return pose;
}

Pose& movePose(Pose& pose, float a, float b, float c, float distance) {
  normaliseAxes(pose);
  Vec3 direction{a, b, c};
  if (isZero(direction)) return pose;
  normalise(direction);
  pose.position =
      pose.position + distance * inFrame(pose, direction[0], direction[1], direction[2]);
  return pose;
}

Shape* moveInFrame(Pose* pose, BodyState* body, Shape* shape, Pose& reference, float a, float b,
                   float c, float distance) {
  if (!pose) return nullptr;
  normaliseAxes(*pose);
  const float len = length(Vec3{a, b, c});
  if (len == 0.0f) return shape;
  const Vec3 offset = (distance / len) * inFrame(reference, a, b, c);
  pose->position = pose->position + offset;
  if (body) body->pivot = body->pivot + offset;
  if (mapsMoveWithNode(shape)) {
    for (Vec3& point : shape->mapPoints) point = point + offset;
  }
  return shape;
}

RigidMotion turnMotion(Pose& reference, float a, float b, float c, float angle, const Vec3& pivot) {
  normaliseAxes(reference);
  const Rotation rotation(inFrame(reference, a, b, c), angle);
  RigidMotion motion;
  for (int i = 0; i < 3; ++i) {
    motion.shift[i] = pivot[i];
    for (int j = 0; j < 3; ++j) {
      motion.turn[i][j] = rotation.m[i][j];
      motion.shift[i] -= rotation.m[i][j] * pivot[j];
    }
  }
  motion.turns = true;
  motion.moves = true;
  return motion;
}

RigidMotion moveMotion(const Pose& reference, float a, float b, float c, float distance) {
  RigidMotion motion;
  motion.moves = true;
  const float len = length(Vec3{a, b, c});
  if (len == 0.0f) return motion;
  const Vec3 offset = (distance / len) * inFrame(reference, a, b, c);
  for (int i = 0; i < 3; ++i) motion.shift[i] = offset[i];
  return motion;
}

RigidMotion followedBy(const RigidMotion& first, const RigidMotion& second) {
  if (!first.moves) return second;
  if (!second.moves) return first;
  RigidMotion motion;
  for (int i = 0; i < 3; ++i) {
    motion.shift[i] = second.shift[i];
    for (int j = 0; j < 3; ++j) {
      motion.shift[i] += second.turn[i][j] * first.shift[j];
      motion.turn[i][j] = 0.0;
      for (int k = 0; k < 3; ++k) motion.turn[i][j] += second.turn[i][k] * first.turn[k][j];
    }
  }
  motion.turns = first.turns || second.turns;
  motion.moves = true;
  return motion;
}

void applyMotion(const RigidMotion& motion, Pose* pose, BodyState* body, Shape* shape) {
  if (!pose || !motion.moves) return;
  if (motion.turns) {
    normalise(pose->tangent);
    normalise(pose->normal);
    pose->tangent = turned(motion, pose->tangent);
    pose->normal = turned(motion, pose->normal);
    pose->binormal = cross(pose->tangent, pose->normal);
  }
  normaliseAxes(*pose);
  pose->position = moved(motion, pose->position);
  if (body) body->pivot = moved(motion, body->pivot);
  if (mapsMoveWithNode(shape)) {
    for (Vec3& point : shape->mapPoints) point = moved(motion, point);
  }
}

void translateIdentity(Identity& identity, float dx, float dy, float dz) {
  const Vec3 offset{dx, dy, dz};
  identity.pose.position = identity.pose.position + offset;
  identity.body.pivot = identity.body.pivot + offset;
  for (SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    if (!node->pose) continue;
    node->pose->position = node->pose->position + offset;
    if (node->body) node->body->pivot = node->body->pivot + offset;
    if (mapsMoveWithNode(node->shape.get())) {
      for (Vec3& point : node->shape->mapPoints) point = point + offset;
    }
    node->dirty = 1;
  }
}

void placeNode(SceneNode& node, Pose& reference) {
  if (!node.pose) return;
  normaliseAxes(reference);
  Pose& pose = *node.pose;
  normaliseAxes(pose);
  const auto toWorld = [&reference](const Vec3& local) {
    return reference.position + inFrame(reference, local[0], local[1], local[2]);
  };
  pose.position = toWorld(pose.position);
  if (node.body) node.body->pivot = toWorld(node.body->pivot);
  for (Vec3* axis : {&pose.tangent, &pose.normal, &pose.binormal}) {
    *axis = inFrame(reference, (*axis)[0], (*axis)[1], (*axis)[2]);
    normalise(*axis);
  }
  if (mapsMoveWithNode(node.shape.get())) {
    for (Vec3& point : node.shape->mapPoints) point = toWorld(point);
  }
}

}  // namespace vev
