#include "sound/sound_control.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "model/scene_node.h"
#include "model/text.h"
#include "sound/distance_gain.h"

namespace vev {
namespace {

// The throttle pitch at level 0, at which a fresh channel plays the sample at its own rate.
constexpr float kIdlePitch = 0.2f;

// What every emitter of one frame is played against.
struct SoundFrame {
  SoundRegistry& sounds;
  const Vec3& listener;
  const SoundMix& mix;
};

// The library volume for a gain, cut to an integer. A jet's gain can fall below 0; that, and
// anything above full, is clamped here so the conversion is always defined.
int volumeFor(const SoundMix& mix, float gain) {
  const float scaled = static_cast<float>(mix.volume) * gain;
  if (!(scaled > 0.0f)) return 0;
  return static_cast<int>(std::min(scaled, 255.0f));
}

const Vec3& positionOf(const SceneNode& node, const Identity& identity) {
  return node.pose ? node.pose->position : identity.pose.position;
}

bool isKind(const SceneNode& node, std::string_view kind) {
  return sameText(node.kind, kind) == 0;
}

// Plays one request of `ref` once at the distance gain of `at`; the request counts as served
// even when the emitter is out of range, sound is off or the entry is missing.
void playOneShot(SoundFrame& frame, const SoundRef& ref, const Vec3& at, bool mayStart) {
  SoundEntry* entry = frame.sounds.findEntry(ref.entry);
  if (!entry) return;
  entry->gain = distanceGain(at, frame.listener, ref.range);
  SoundTable& table = frame.sounds.table();
  if (entry->gain > 0.0f && mayStart) entry->channel = table.play(entry->sampleSlot, false);
  table.setVolume(entry->channel, volumeFor(frame.mix, entry->gain));
}

// An Identity's own requests (destroyed, or a shot that hit) wait while sound is off.
void serveOwnRequest(SoundFrame& frame, Identity& identity) {
  SoundRef* ref = identity.sound.get();
  if (!ref || !frame.mix.enabled || ref->playRequests <= 0) return;
  --ref->playRequests;
  playOneShot(frame, *ref, identity.pose.position, true);
}

// A node's requests (a held play key, a detonation) are used up whether sound is on or not.
void serveNodeRequest(SoundFrame& frame, SoundRef* ref, const Vec3& at) {
  if (!ref || ref->playRequests <= 0) return;
  --ref->playRequests;
  playOneShot(frame, *ref, at, frame.mix.enabled);
}

// An engine idles quieter: below half throttle the gain loses what the level lacks of one
// half, and a jet is never louder than half the full volume.
float jetGain(float distance, float level) {
  float gain = distance;
  if (0.5f - level > 0.0f) gain = gain + level - 0.5f;
  return gain * 0.5f;
}

// The playback rate goes with the square root of level x 1.8 + 0.2 relative to the idle rate:
// full throttle plays at sqrt(10) times the sample's own rate.
void followThrottle(SoundTable& table, SoundEntry& entry, float level) {
  const float pitch = level * 1.8f + kIdlePitch;
  if (entry.pitchFactor / pitch == 1.0f) return;
  table.scalePitch(entry.channel, std::sqrt(pitch / entry.pitchFactor));
  entry.pitchFactor = pitch;
}

// Keeps a jet's engine loop going. A loop starts once, when the jet is first heard, and once
// stopped (its jet inactive, or its Identity destroyed) it is never started again.
void controlJet(SoundFrame& frame, Identity& identity, SceneNode& node) {
  if (!node.throttle) node.throttle = std::make_unique<JetThrottle>();
  SoundEntry* entry = frame.sounds.findEntry(node.sound->entry);
  if (!entry) return;
  SoundTable& table = frame.sounds.table();
  const bool dead = identity.alive == 0;
  if ((node.active == 0 && entry->looping == 1) || dead) table.stop(entry->channel);
  const float level = node.throttle->level;
  entry->gain =
      jetGain(distanceGain(positionOf(node, identity), frame.listener, node.sound->range), level);
  // A wreck's or an inactive jet's engine is not started only to be stopped a frame later.
  const bool running = !dead && node.active != 0;
  if (entry->gain > 0.0f && entry->looping == 0 && frame.mix.enabled && running) {
    entry->looping = 1;
    // Pitch changes made before the loop existed reached no channel; the new one is at idle.
    entry->pitchFactor = kIdlePitch;
    entry->channel = table.play(entry->sampleSlot, true);
  }
  if (frame.mix.enabled) table.setVolume(entry->channel, volumeFor(frame.mix, entry->gain));
  followThrottle(table, *entry, level);
}

void controlNode(SoundFrame& frame, Identity& identity, SceneNode& node) {
  const Vec3& at = positionOf(node, identity);
  if (node.body) serveNodeRequest(frame, node.body->sound.get(), at);
  if (isKind(node, "EXPLOSION")) serveNodeRequest(frame, node.sound.get(), at);
  if (isKind(node, "JET") && node.sound) controlJet(frame, identity, node);
}

}  // namespace

void updateSounds(SoundRegistry& sounds, Identity* scene, const Pose& listener,
                  const SoundMix& mix) {
  SoundFrame frame{sounds, listener.position, mix};
  for (Identity* identity = scene; identity; identity = identity->next.get()) {
    serveOwnRequest(frame, *identity);
    for (SceneNode* node = identity->nodes.get(); node; node = node->next.get()) {
      controlNode(frame, *identity, *node);
    }
  }
}

}  // namespace vev
