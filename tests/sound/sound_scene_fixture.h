#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "model/identity.h"
#include "sound/sound_control.h"
#include "sound/sound_registry.h"
#include "tests/sound/recording_sound_library.h"

namespace vev {

// A scene of hand-built Identities whose sounds are registered over a recording library, and a
// listener, run through the per-frame sound control.
class SoundSceneTest : public ::testing::Test {
 protected:
  static constexpr float kRange = 100.0f;

  void SetUp() override { ASSERT_TRUE(table.init()); }

  // A sound registered as a scene file's sound line registers it, heard up to `range` metres.
  std::shared_ptr<SoundRef> sound(const std::string& file, float range = kRange) {
    auto ref = std::make_shared<SoundRef>();
    registry.registerSound("sw/", file, *ref);
    ref->range = range;
    return ref;
  }

  Identity& identityAt(const Vec3& position) {
    Identity& identity = appendIdentity(scene, newIdentity());
    identity.pose.position = position;
    return identity;
  }

  // An active node appended to the Identity's nodes.
  SceneNode& nodeAt(Identity& identity, std::string_view kind, const Vec3& position) {
    std::unique_ptr<SceneNode>* link = &identity.nodes;
    while (*link) link = &(*link)->next;
    *link = std::make_unique<SceneNode>();
    SceneNode& node = **link;
    node.kind = kind;
    node.active = 1;
    node.pose = std::make_unique<Pose>(unitPose(position));
    return node;
  }

  // A jet at `position` with an engine sound and a throttle at `level`.
  SceneNode& jetAt(Identity& identity, const Vec3& position, float level) {
    SceneNode& jet = nodeAt(identity, "JET", position);
    jet.sound = sound("jet.wav");
    jet.throttle = std::make_unique<JetThrottle>(JetThrottle{level});
    return jet;
  }

  void frames(int count) {
    for (int i = 0; i < count; ++i) updateSounds(registry, scene.get(), listener, mix);
  }

  int lastVolume() const { return calls.volumes.empty() ? -1 : calls.volumes.back().second; }

  LibraryCalls calls;
  SoundTable table{std::make_unique<RecordingSoundLibrary>(calls)};
  SoundRegistry registry{table};
  std::unique_ptr<Identity> scene;
  Pose listener = unitPose();
  SoundMix mix;
};

}  // namespace vev
