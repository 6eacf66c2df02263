#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/kinematics.h"
#include "model/model_state.h"
#include "scenefile/loader.h"
#include "sim/collision_world.h"
#include "sim/controls.h"
#include "sim/dynamics.h"
#include "sim/identity_motion.h"
#include "sim/node_kind.h"
#include "sim/sweep.h"
#include "sound/silent_sound_library.h"
#include "sound/sound_registry.h"
#include "sound/sound_table.h"

namespace vev::test {
namespace {

// Random scenes of loaded craft firing every cannon they have, flown twice: once with the
// collision index, once testing every polygon as the collision view does (the reference).
class Fleet {
 public:
  explicit Fleet(unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> spread(-15.0f, 15.0f);
    std::uniform_real_distribution<float> angle(-180.0f, 180.0f);
    const char* files[] = {"tests/data/render/fleet-craft.zsf", "tests/data/sim/drone.zsf",
                           "tests/data/sim/hawk.zsf", "sw/cyphora.ssp.zsf", "sw/cruiser.ssp.zsf"};
    SceneAssets assets{textures_, sounds_, {}};
    for (int i = 0; i < 12; ++i) {
      const std::string path = std::string(VEV_SOURCE_DIR) + "/" + files[i % 5];
      if (!loadSceneFile(path, model, assets)) continue;
      Identity& craft = *lastIdentity(model.scene.get());
      translateIdentity(craft, spread(random), spread(random), spread(random));
      turnIdentityInWorld(craft, {0.0f, 1.0f, 0.0f}, angle(random));
      turnIdentityInWorld(craft, {0.0f, 0.0f, 1.0f}, angle(random));
    }
    model.controlled = model.scene.get();
  }

  // One frame; `reference` tests every polygon of the draw list. The craft turn as they fire, so
  // that their shots sweep the scene.
  void frame(bool reference, int number) {
    holdEveryFireKey(number);
    for (Identity* it = model.scene.get(); it; it = it->next.get()) {
      if (!isShot(*it)) turnIdentityInWorld(*it, {0.0f, 1.0f, 0.0f}, 3.0f);
    }
    CollisionWorld world(model);
    DebugLines lines;
    stepDynamics(model, world, reference ? &lines : nullptr);
    stepControls(model, model.keyState);
    sweepSpent(model);
  }

  // Positions, velocities, damage and the hits waiting on every node, as bits.
  std::vector<std::uint32_t> state() const {
    std::vector<std::uint32_t> bits;
    const auto put = [&bits](const Vec3& v) {
      for (const float f : v) bits.push_back(std::bit_cast<std::uint32_t>(f));
    };
    for (const Identity* it = model.scene.get(); it; it = it->next.get()) {
      put(it->pose.position);
      put(it->motion.velocity);
      bits.push_back(it->damage ? static_cast<std::uint32_t>(it->damage->taken) : 0u);
      bits.push_back(static_cast<std::uint32_t>(it->alive));
      for (const SceneNode* node = it->nodes.get(); node; node = node->next.get()) {
        bits.push_back(static_cast<std::uint32_t>(node->hits));
      }
    }
    return bits;
  }

  ModelState model;

 private:
  // The controlled craft takes the keyboard's keys; the others keep their own.
  void holdEveryFireKey(int number) {
    for (Identity* it = model.scene.get(); it; it = it->next.get()) {
      KeyStates& keys = it == model.controlled ? model.keyState : it->keys;
      for (SceneNode* node = it->nodes.get(); node; node = node->next.get()) {
        if (isKind(*node, "LASERCANNON") && node->body && node->body->fireKey > 0) {
          keys[node->body->fireKey] = number % 40 < 30 ? 1 : 0;
        }
      }
    }
  }

  TextureList textures_;
  SoundTable table_{std::make_unique<SilentSoundLibrary>()};
  SoundRegistry sounds_{table_};
};

TEST(BroadPhase, HitsTheSamePolygonsInTheSameOrderAsTestingEveryPolygon) {
  int hitFrames = 0;
  for (const unsigned seed : {1u, 2u, 3u}) {
    Fleet indexed(seed);
    Fleet reference(seed);
    for (int frame = 0; frame < 300; ++frame) {
      indexed.frame(false, frame);
      reference.frame(true, frame);
      const auto state = indexed.state();
      ASSERT_EQ(state, reference.state()) << "seed " << seed << ", frame " << frame;
      for (const Identity* it = indexed.model.scene.get(); it; it = it->next.get()) {
        if (isShot(*it) && it->nodes && isKind(*it->nodes, "EXPLOSION")) ++hitFrames;
      }
    }
  }
  EXPECT_GT(hitFrames, 300) << "the craft shot each other";
}

}  // namespace
}  // namespace vev::test
