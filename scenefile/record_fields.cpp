#include "scenefile/record_fields.h"

#include <cstdint>

#include "scenefile/number_conversion.h"

namespace vev {

void readPosition(SceneReader& reader, Pose& pose) {
  pose.position = readTriple(reader);
  pose.coordType = 0;
}

void readTangent(SceneReader& reader, Pose& pose) {
  pose.tangent = readTriple(reader);
  pose.coordType = 0;
}

void readNormal(SceneReader& reader, Pose& pose) {
  pose.normal = readTriple(reader);
  pose.coordType = 0;
  if (!isZero(pose.tangent)) pose.binormal = cross(pose.tangent, pose.normal);
}

void readCoordType(SceneReader& reader, Pose& pose) {
  pose.coordType = saturateToInt16(readInteger(reader));
}

void readZoom(SceneReader& reader, Pose& pose) {
  pose.zoom = readReal(reader);
}

void readDist(SceneReader& reader, Pose& pose) {
  pose.dist = readReal(reader);
}

void readPivot(SceneReader& reader, BodyState& body) {
  body.pivot = readTriple(reader);
}

void readRail(SceneReader& reader, BodyState& body) {
  readRailChannel(reader, body.rail);
}

void readActivation(SceneReader& reader, BodyState& body) {
  body.activateKey = readKey(reader, TokenEnd::blank);
  body.activateArmed = saturateToInt16(readInteger(reader, TokenEnd::blank));
  body.activateDelay = readReal(reader, TokenEnd::blank);
  reader.readToken(TokenEnd::blank);
  reader.readToken(TokenEnd::blank);
  reader.readToken(TokenEnd::line);
  body.activateTimer = 0.0f;
}

void readDerivedControl(SceneReader& reader, BodyState& body) {
  body.toggleKey = readKey(reader, TokenEnd::blank);
  body.toggleState = saturateToInt16(readInteger(reader, TokenEnd::blank));
  reader.readToken(TokenEnd::blank);
  body.toggleKeyA = readKey(reader, TokenEnd::blank);
  body.toggleKeyB = readKey(reader, TokenEnd::blank);
  reader.readToken(TokenEnd::line);
}

void readFire(SceneReader& reader, BodyState& body) {
  body.fireKey = readKey(reader, TokenEnd::blank);
  body.fireState = saturateToInt16(readInteger(reader, TokenEnd::blank));
  body.fireDuration = readReal(reader);
  body.fireTimer = 0;
}

void readChangeTarget(SceneReader& reader, BodyState& body) {
  body.previousTargetKey = readKey(reader, TokenEnd::blank);
  bool nearest = false;
  body.nextTargetKey = readKeyWithMore(reader, nearest);
  body.nearestTargetKey = nearest ? readKey(reader) : KeyCode{0};
}

void readControlSound(SceneReader& reader, BodyState& body) {
  body.playKey = readKey(reader, TokenEnd::blank);
  body.secondKey = readKey(reader);
}

void readJoyKeys(SceneReader& reader, BodyState& body) {
  const std::array<std::int32_t, 4> codes = readIntegers<4>(reader);
  for (std::size_t i = 0; i < codes.size(); ++i) body.joyKeys[i] = validKey(codes[i]);
}

void readDiffuse(SceneReader& reader, Shape& shape) {
  shape.diffuse = readColour(reader);
}

void readAmbient(SceneReader& reader, Shape& shape) {
  shape.ambient = readColour(reader);
  shape.lit = 1;
}

void readUntextured(SceneReader& reader, Shape& shape) {
  shape.untextured = readColour(reader);
}

void readSpecular(SceneReader& reader, Shape& shape) {
  shape.specular = readColour(reader);
  shape.lit = 1;
}

void readWire(SceneReader& reader, Shape& shape) {
  shape.wire = saturateToInt16(readInteger(reader));
}

void readMapPoints(SceneReader& reader, Shape& shape) {
  shape.mapPoints = readMaps(reader);
}

void readDamage(SceneReader& reader, DamageState& damage) {
  const std::array<std::int32_t, 6> values = readIntegers<6>(reader);
  damage.strength = saturateToInt16(values[0]);
  damage.power = saturateToInt16(values[1]);
  damage.taken = saturateToInt16(values[2]);
  damage.destroyed = values[3];
  damage.removal = saturateToInt16(values[4]);
  damage.triggerKey = validKey(values[5]);
}

void readCvv(SceneReader& reader, AeroCoefficients& aero) {
  aero.cvv = readMatrix(reader);
}

void readCmm(SceneReader& reader, AeroCoefficients& aero) {
  aero.cmm = readMatrix(reader);
}

}  // namespace vev
