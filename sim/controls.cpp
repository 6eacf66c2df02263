#include "sim/controls.h"

#include "sim/activation.h"
#include "sim/channel_rule.h"
#include "sim/identity_motion.h"
#include "sim/node_control.h"
#include "sim/node_kind.h"
#include "sim/target_selection.h"

namespace vev {
namespace {

// The keyboard reaches entries 0 to 398; entry 399 and the trigger key of the Identity's damage
// are the simulation's own.
constexpr int kCopiedKeys = 399;

void copyKeys(Identity& identity, const KeyStates& keyState) {
  const int triggerKey = identity.damage ? identity.damage->triggerKey : -1;
  for (int i = 0; i < kCopiedKeys; ++i) {
    if (i != triggerKey) identity.keys[i] = keyState[i];
  }
}

// Attitude thrusters: each press adds spin about one of the Identity's own axes.
void applyAttitudeThrusters(Identity& identity, float frameStep) {
  const Vec3* axes[3] = {&identity.pose.tangent, &identity.pose.normal, &identity.pose.binormal};
  for (int i = 0; i < 3; ++i) {
    ControlChannel& channel = identity.body.spin[i];
    applyChannel(channel, identity.keys, channelStep(channel, frameStep), [&](float s) {
      identity.motion.angularVelocity = identity.motion.angularVelocity + s * *axes[i];
    });
  }
}

// The Identity's own channels move and turn it; then its activation and target keys act.
void applyIdentityControls(Identity& identity, Identity* head, float frameStep,
                           std::int32_t stepMs) {
  BodyState& body = identity.body;
  ControlChannel& thrust = body.translation[0];
  applyChannel(thrust, identity.keys, channelStep(thrust, frameStep), [&](float s) {
    moveIdentity(identity, {1.0f, 0.0f, 0.0f}, s);
  });
  const Vec3 axes[3] = {{1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f}};
  for (int i = 0; i < 3; ++i) {
    ControlChannel& channel = body.rotation[i];
    applyChannel(channel, identity.keys, channelStep(channel, frameStep),
                 [&](float s) { turnIdentity(identity, axes[i], s); });
  }
  applyAttitudeThrusters(identity, frameStep);
  applyActivation(identity.alive, body, identity.keys);
  selectTarget(identity, head, stepMs);
}

}  // namespace

void stepControls(ModelState& model, const KeyStates& keys, const KeyStates& secondKeys) {
  const float frameStep = model.frameStepSeconds();
  for (Identity* identity = model.scene.get(); identity; identity = identity->next.get()) {
    if (identity == model.controlled) {
      copyKeys(*identity, keys);
    } else if (identity->secondPlayer) {
      copyKeys(*identity, secondKeys);
    }
    if (identity->alive == 1)
      applyIdentityControls(*identity, model.scene.get(), frameStep, model.frameStepMs);
    // A destroyed Identity stays down; only one switched off by its activation key re-arms.
    if (identity->alive == 0 && !isDestroyed(*identity)) {
      rearm(identity->alive, identity->body, identity->keys, frameStep);
    }
    stepNodes(model, *identity, identity->nodes.get(), &identity->pose);
  }
}

}  // namespace vev
