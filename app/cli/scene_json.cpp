#include "app/cli/scene_json.h"

#include <unordered_map>

#include "app/cli/json_writer.h"

namespace vev {
namespace {

template <typename T>
using IndexOf = std::unordered_map<const T*, int>;

void writeIndex(JsonWriter& json, const IndexOf<SceneNode>& index, const SceneNode* node) {
  const auto found = node ? index.find(node) : index.end();
  if (found == index.end()) {
    json.null();
  } else {
    json.value(found->second);
  }
}

void writeSoundRef(JsonWriter& json, const SoundRef* ref) {
  if (!ref) {
    json.null();
    return;
  }
  json.beginObject();
  json.key("entry").value(ref->entry);
  json.key("path").value(ref->path);
  json.key("range").value(ref->range);
  json.key("playRequests").value(ref->playRequests);
  json.endObject();
}

void writePose(JsonWriter& json, const Pose& pose) {
  json.beginObject();
  json.key("position").numbers(pose.position);
  json.key("tangent").numbers(pose.tangent);
  json.key("normal").numbers(pose.normal);
  json.key("binormal").numbers(pose.binormal);
  json.key("zoom").value(pose.zoom);
  json.key("dist").value(pose.dist);
  json.key("coordType").value(pose.coordType);
  json.key("collision").value(pose.collision);
  json.key("inclination").value(pose.inclination);
  json.key("heading").value(pose.heading);
  json.key("targetElevation").value(pose.targetElevation);
  json.key("targetAzimuth").value(pose.targetAzimuth);
  json.key("targetRange").value(pose.targetRange);
  json.endObject();
}

void writeChannelFields(JsonWriter& json, const ControlChannel& channel) {
  json.key("increaseKey").value(channel.increaseKey);
  json.key("decreaseKey").value(channel.decreaseKey);
  json.key("rate").value(channel.rate);
  json.key("roomUp").value(channel.roomUp);
  json.key("roomDown").value(channel.roomDown);
  json.key("unlimited").value(channel.unlimited);
}

void writeChannels(JsonWriter& json, const std::array<ControlChannel, 3>& channels) {
  json.beginArray();
  for (const ControlChannel& channel : channels) {
    json.beginObject();
    writeChannelFields(json, channel);
    json.endObject();
  }
  json.endArray();
}

void writeBody(JsonWriter& json, const BodyState& body) {
  json.beginObject();
  json.key("translation");
  writeChannels(json, body.translation);
  json.key("rotation");
  writeChannels(json, body.rotation);
  json.key("spin");
  writeChannels(json, body.spin);
  json.key("rail").beginObject();
  writeChannelFields(json, body.rail);
  json.key("direction").numbers(body.rail.direction);
  json.endObject();
  json.key("pivot").numbers(body.pivot);
  json.key("activateKey").value(body.activateKey);
  json.key("activateArmed").value(body.activateArmed);
  json.key("activateDelay").value(body.activateDelay);
  json.key("activateTimer").value(body.activateTimer);
  json.key("toggleKey").value(body.toggleKey);
  json.key("toggleState").value(body.toggleState);
  json.key("toggleKeyA").value(body.toggleKeyA);
  json.key("toggleKeyB").value(body.toggleKeyB);
  json.key("fireKey").value(body.fireKey);
  json.key("fireState").value(body.fireState);
  json.key("fireDuration").value(body.fireDuration);
  json.key("fireTimer").value(body.fireTimer);
  json.key("joyKeys").numbers(body.joyKeys);
  json.key("previousTargetKey").value(body.previousTargetKey);
  json.key("nextTargetKey").value(body.nextTargetKey);
  json.key("playKey").value(body.playKey);
  json.key("secondKey").value(body.secondKey);
  json.key("sound");
  writeSoundRef(json, body.sound.get());
  json.endObject();
}

void writeShape(JsonWriter& json, const Shape* shape) {
  if (!shape) {
    json.null();
    return;
  }
  json.beginObject();
  json.key("ambient").numbers(shape->ambient);
  json.key("diffuse").numbers(shape->diffuse);
  json.key("specular").numbers(shape->specular);
  json.key("lit").value(shape->lit);
  json.key("mapping").value(shape->mapping);
  json.key("wire").value(shape->wire);
  json.key("mapPoints").beginArray();
  for (const Vec3& point : shape->mapPoints) json.numbers(point);
  json.endArray();
  json.key("texturePath").value(shape->texturePath);
  if (shape->untextured) json.key("untextured").numbers(*shape->untextured);
  json.endObject();
}

void writeNode(JsonWriter& json, const SceneNode& node, const IndexOf<SceneNode>& index) {
  json.beginObject();
  json.key("name").value(node.name);
  json.key("kind").value(node.kind);
  json.key("active").value(node.active);
  json.key("hits").value(node.hits);
  json.key("dirty").value(node.dirty);
  json.key("childCount").value(node.childCount);
  json.key("firstChild");
  writeIndex(json, index, node.firstChild);
  json.key("sibling");
  writeIndex(json, index, node.sibling);
  json.key("shape");
  writeShape(json, node.shape.get());
  json.key("sound");
  writeSoundRef(json, node.sound.get());
  json.key("pose");
  if (node.pose) {
    writePose(json, *node.pose);
  } else {
    json.null();
  }
  json.key("body");
  if (node.body) {
    writeBody(json, *node.body);
  } else {
    json.null();
  }
  json.key("vertices").beginArray();
  for (const Vertex& vertex : node.vertices)
    json.numbers(std::array<float, 3>{vertex.x, vertex.y, vertex.z});
  json.endArray();
  json.key("params").beginArray();
  for (const ParamCell& cell : node.params) {
    for (const float slot : cell) json.value(slot);
  }
  json.endArray();
  json.key("throttle");
  if (node.throttle) {
    json.beginObject().key("level").value(node.throttle->level).endObject();
  } else {
    json.null();
  }
  json.endObject();
}

void writeDamage(JsonWriter& json, const DamageState* damage) {
  if (!damage) {
    json.null();
    return;
  }
  json.beginObject();
  json.key("strength").value(damage->strength);
  json.key("power").value(damage->power);
  json.key("taken").value(damage->taken);
  json.key("destroyed").value(damage->destroyed);
  json.key("removal").value(damage->removal);
  json.key("triggerKey").value(damage->triggerKey);
  json.endObject();
}

void writeMotion(JsonWriter& json, const MotionState& motion) {
  json.beginObject();
  json.key("velocity").numbers(motion.velocity);
  json.key("angularVelocity").numbers(motion.angularVelocity);
  json.key("force").numbers(motion.force);
  json.key("torque").numbers(motion.torque);
  json.key("mass").value(motion.mass);
  json.key("inertia").numbers(motion.inertia);
  json.endObject();
}

void writeKeys(JsonWriter& json, const KeyStates& keys) {
  json.beginObject();
  for (std::size_t code = 0; code < keys.size(); ++code) {
    if (keys[code] != 0) json.key(std::to_string(code)).value(keys[code]);
  }
  json.endObject();
}

void writeIdentity(JsonWriter& json, const Identity& identity,
                   const IndexOf<Identity>& identityIndex) {
  IndexOf<SceneNode> nodeIndex;
  for (const SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    nodeIndex.emplace(node, static_cast<int>(nodeIndex.size()));
  }
  json.beginObject();
  json.key("name").value(identity.name);
  json.key("directory").value(identity.directory);
  json.key("alive").value(identity.alive);
  json.key("keys");
  writeKeys(json, identity.keys);
  json.key("damage");
  writeDamage(json, identity.damage.get());
  json.key("sound");
  writeSoundRef(json, identity.sound.get());
  json.key("pose");
  writePose(json, identity.pose);
  json.key("aero");
  if (identity.aero) {
    json.beginObject();
    json.key("cvv").numbers(identity.aero->cvv);
    json.key("cmm").numbers(identity.aero->cmm);
    json.endObject();
  } else {
    json.null();
  }
  json.key("motion");
  writeMotion(json, identity.motion);
  json.key("body");
  writeBody(json, identity.body);
  json.key("hudName").value(identity.hudName);
  json.key("hudName2").value(identity.hudName2);
  json.key("hudName3").value(identity.hudName3);
  json.key("target");
  const auto target = identity.target ? identityIndex.find(identity.target) : identityIndex.end();
  if (target == identityIndex.end()) {
    json.null();
  } else {
    json.value(target->second);
  }
  json.key("nodes").beginArray();
  for (const SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    writeNode(json, *node, nodeIndex);
  }
  json.endArray();
  json.endObject();
}

void writeTextures(JsonWriter& json, const TextureList& textures) {
  json.beginArray();
  for (const TextureEntry& entry : textures.entries()) {
    json.beginObject();
    json.key("path").value(entry.path);
    json.key("width").value(entry.width);
    json.key("height").value(entry.height);
    json.key("loaded").value(entry.loaded);
    json.endObject();
  }
  json.endArray();
}

void writeSounds(JsonWriter& json, const SoundRegistry& sounds) {
  json.beginArray();
  for (const SoundEntry& entry : sounds.entries()) {
    json.beginObject();
    json.key("path").value(entry.path);
    json.key("sampleSlot").value(entry.sampleSlot);
    json.key("channelSlot").value(entry.channelSlot);
    json.key("looping").value(entry.looping);
    json.key("gain").value(entry.gain);
    json.key("pitchFactor").value(entry.pitchFactor);
    json.endObject();
  }
  json.endArray();
}

}  // namespace

std::string sceneJson(const ModelState& model, const TextureList& textures,
                      const SoundRegistry& sounds, std::optional<long> frame) {
  IndexOf<Identity> identityIndex;
  for (const Identity* it = model.scene.get(); it; it = it->next.get()) {
    identityIndex.emplace(it, static_cast<int>(identityIndex.size()));
  }
  JsonWriter json;
  json.beginObject();
  if (frame) json.key("frame").value(static_cast<std::int64_t>(*frame));
  json.key("identities").beginArray();
  for (const Identity* it = model.scene.get(); it; it = it->next.get()) {
    writeIdentity(json, *it, identityIndex);
  }
  json.endArray();
  json.key("textures");
  writeTextures(json, textures);
  json.key("sounds");
  writeSounds(json, sounds);
  json.endObject();
  return json.text();
}

}  // namespace vev
