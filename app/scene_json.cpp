#include "app/scene_json.h"

#include <unordered_map>

#include "app/json_text.h"

namespace vev {
namespace {

template <typename T>
using IndexOf = std::unordered_map<const T*, int>;

// Scene texts are bytes of an 8-bit code page; each byte above 127 stands for the Latin-1
// character of that code, so the text is always valid JSON.
Json text(const std::string& bytes) {
  std::string utf8;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

template <typename T>
Json indexJson(const IndexOf<T>& index, const T* item) {
  const auto found = item ? index.find(item) : index.end();
  return found == index.end() ? Json() : Json(found->second);
}

Json soundRefJson(const SoundRef* ref) {
  if (!ref) return nullptr;
  return {{"entry", ref->entry},
          {"path", text(ref->path)},
          {"range", ref->range},
          {"playRequests", ref->playRequests}};
}

Json poseJson(const Pose& pose) {
  return {{"position", pose.position},
          {"tangent", pose.tangent},
          {"normal", pose.normal},
          {"binormal", pose.binormal},
          {"zoom", pose.zoom},
          {"dist", pose.dist},
          {"coordType", pose.coordType},
          {"collision", pose.collision},
          {"inclination", pose.inclination},
          {"heading", pose.heading},
          {"targetElevation", pose.targetElevation},
          {"targetAzimuth", pose.targetAzimuth},
          {"targetRange", pose.targetRange}};
}

Json channelJson(const ControlChannel& channel) {
  return {{"increaseKey", channel.increaseKey},
          {"decreaseKey", channel.decreaseKey},
          {"rate", channel.rate},
          {"roomUp", channel.roomUp},
          {"roomDown", channel.roomDown},
          {"unlimited", channel.unlimited}};
}

Json channelsJson(const std::array<ControlChannel, 3>& channels) {
  Json json = Json::array();
  for (const ControlChannel& channel : channels) json.push_back(channelJson(channel));
  return json;
}

Json bodyJson(const BodyState& body) {
  Json rail = channelJson(body.rail);
  rail["direction"] = body.rail.direction;
  return {{"translation", channelsJson(body.translation)},
          {"rotation", channelsJson(body.rotation)},
          {"spin", channelsJson(body.spin)},
          {"rail", rail},
          {"pivot", body.pivot},
          {"activateKey", body.activateKey},
          {"activateArmed", body.activateArmed},
          {"activateDelay", body.activateDelay},
          {"activateTimer", body.activateTimer},
          {"toggleKey", body.toggleKey},
          {"toggleState", body.toggleState},
          {"toggleKeyA", body.toggleKeyA},
          {"toggleKeyB", body.toggleKeyB},
          {"fireKey", body.fireKey},
          {"fireState", body.fireState},
          {"fireDuration", body.fireDuration},
          {"fireTimer", body.fireTimer},
          {"joyKeys", body.joyKeys},
          {"previousTargetKey", body.previousTargetKey},
          {"nextTargetKey", body.nextTargetKey},
          {"nearestTargetKey", body.nearestTargetKey},
          {"playKey", body.playKey},
          {"secondKey", body.secondKey},
          {"sound", soundRefJson(body.sound.get())}};
}

Json shapeJson(const Shape* shape) {
  if (!shape) return nullptr;
  Json json = {{"ambient", shape->ambient},     {"diffuse", shape->diffuse},
               {"specular", shape->specular},   {"lit", shape->lit},
               {"mapping", shape->mapping},     {"wire", shape->wire},
               {"mapPoints", shape->mapPoints}, {"texturePath", text(shape->texturePath)}};
  if (shape->untextured) json["untextured"] = *shape->untextured;
  return json;
}

Json nodeJson(const SceneNode& node, const IndexOf<SceneNode>& index) {
  Json vertices = Json::array();
  for (const Vertex& vertex : node.vertices) vertices.push_back({vertex.x, vertex.y, vertex.z});
  Json params = Json::array();
  for (const ParamCell& cell : node.params) {
    for (const float slot : cell) params.push_back(slot);
  }
  return {{"name", text(node.name)},
          {"kind", text(node.kind)},
          {"active", node.active},
          {"hits", node.hits},
          {"dirty", node.dirty},
          {"childCount", node.childCount},
          {"firstChild", indexJson(index, node.firstChild)},
          {"sibling", indexJson(index, node.sibling)},
          {"shape", shapeJson(node.shape.get())},
          {"sound", soundRefJson(node.sound.get())},
          {"pose", node.pose ? poseJson(*node.pose) : Json()},
          {"body", node.body ? bodyJson(*node.body) : Json()},
          {"vertices", vertices},
          {"params", params},
          {"throttle", node.throttle ? Json{{"level", node.throttle->level}} : Json()}};
}

Json damageJson(const DamageState* damage) {
  if (!damage) return nullptr;
  return {{"strength", damage->strength}, {"power", damage->power},
          {"taken", damage->taken},       {"destroyed", damage->destroyed},
          {"removal", damage->removal},   {"triggerKey", damage->triggerKey}};
}

Json motionJson(const MotionState& motion) {
  return {{"velocity", motion.velocity}, {"angularVelocity", motion.angularVelocity},
          {"force", motion.force},       {"torque", motion.torque},
          {"mass", motion.mass},         {"inertia", motion.inertia}};
}

Json keysJson(const KeyStates& keys) {
  Json json = Json::object();
  for (std::size_t code = 0; code < keys.size(); ++code) {
    if (keys[code] != 0) json[std::to_string(code)] = keys[code];
  }
  return json;
}

Json identityJson(const Identity& identity, const IndexOf<Identity>& identityIndex) {
  IndexOf<SceneNode> nodeIndex;
  for (const SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    nodeIndex.emplace(node, static_cast<int>(nodeIndex.size()));
  }
  Json nodes = Json::array();
  for (const SceneNode* node = identity.nodes.get(); node; node = node->next.get()) {
    nodes.push_back(nodeJson(*node, nodeIndex));
  }
  const AeroCoefficients* aero = identity.aero.get();
  return {{"name", text(identity.name)},
          {"directory", text(identity.directory)},
          {"alive", identity.alive},
          {"secondPlayer", identity.secondPlayer},
          {"keys", keysJson(identity.keys)},
          {"damage", damageJson(identity.damage.get())},
          {"sound", soundRefJson(identity.sound.get())},
          {"pose", poseJson(identity.pose)},
          {"aero", aero ? Json{{"cvv", aero->cvv}, {"cmm", aero->cmm}} : Json()},
          {"motion", motionJson(identity.motion)},
          {"body", bodyJson(identity.body)},
          {"hudName", text(identity.hudName)},
          {"hudName2", text(identity.hudName2)},
          {"hudName3", text(identity.hudName3)},
          {"target", indexJson(identityIndex, identity.target)},
          {"nodes", nodes}};
}

Json texturesJson(const TextureList& textures) {
  Json json = Json::array();
  for (const TextureEntry& entry : textures.entries()) {
    json.push_back({{"path", text(entry.path)},
                    {"width", entry.width},
                    {"height", entry.height},
                    {"loaded", entry.loaded}});
  }
  return json;
}

Json soundsJson(const SoundRegistry& sounds) {
  Json json = Json::array();
  for (const auto& [number, entry] : sounds.entries()) {
    json.push_back({{"entry", number},
                    {"path", text(entry.path)},
                    {"sampleSlot", entry.sampleSlot},
                    {"looping", entry.looping},
                    {"gain", entry.gain},
                    {"pitchFactor", entry.pitchFactor}});
  }
  return json;
}

// What the view looks through: {"identity": I, "node": N} (indexes as in the lists), or "free".
Json cameraJson(const ModelState& model, const IndexOf<Identity>& identityIndex) {
  for (const auto& [identity, index] : identityIndex) {
    int node = 0;
    for (const SceneNode* it = identity->nodes.get(); it; it = it->next.get(), ++node) {
      if (it->pose && it->pose.get() == model.activeCamera) {
        return Json{{"identity", index}, {"node", node}};
      }
    }
  }
  return "free";
}

}  // namespace

std::string sceneJson(const ModelState& model, const TextureList& textures,
                      const SoundRegistry& sounds, std::optional<std::int64_t> frame) {
  IndexOf<Identity> identityIndex;
  Json identities = Json::array();
  for (const Identity* it = model.scene.get(); it; it = it->next.get()) {
    identityIndex.emplace(it, static_cast<int>(identityIndex.size()));
  }
  for (const Identity* it = model.scene.get(); it; it = it->next.get()) {
    identities.push_back(identityJson(*it, identityIndex));
  }
  Json json = Json::object();
  if (frame) json["frame"] = *frame;
  json["controlled"] = indexJson(identityIndex, static_cast<const Identity*>(model.controlled));
  json["camera"] = cameraJson(model, identityIndex);
  json["identities"] = std::move(identities);
  json["textures"] = texturesJson(textures);
  json["sounds"] = soundsJson(sounds);
  // A node's parameter cells are a list of numbers, not a vector: one a line.
  return jsonText(json, {"params"});
}

}  // namespace vev
