#pragma once

#include <span>

#include "model/polygon.h"
#include "model/pose.h"

namespace vev {

// What the camera's projection (`setCamera`) can show: the space between the near and far
// planes inside the four sides of its field of view.
class ViewVolume {
 public:
  ViewVolume(const Pose& camera, float aspect);

  const Pose& camera() const { return camera_; }

  // True when every vertex lies beyond the same one of the six planes, so that nothing of a face
  // through them reaches the picture. Points within a hair of a plane count as inside, so that
  // rounding here never drops what GL would still draw. A projection that GL cannot set up (no
  // field of view) excludes nothing.
  bool excludes(std::span<const PolygonVertex> vertices) const;

  // The same for a ball: true when it lies wholly beyond one of the planes.
  bool excludesBall(const Vec3& centre, float radius) const;

 private:
  // How far beyond each plane the point lies (positive outside), scaled like its depth.
  struct Beyond {
    float values[6];
  };
  Beyond beyond(const Vec3& point) const;

  Pose camera_;
  Vec3 forward_{};
  Vec3 side_{};
  Vec3 up_{};
  float cotX_ = 0.0f;
  float cotY_ = 0.0f;
  bool bounded_ = false;
};

}  // namespace vev
