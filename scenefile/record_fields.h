#pragma once

#include <array>
#include <cstddef>

#include "model/body_state.h"
#include "model/identity.h"
#include "model/pose.h"
#include "model/scene_node.h"
#include "scenefile/scene_reader.h"
#include "scenefile/value_readers.h"

// Field lines that land in one record, shared by the sections and the identity header. Each
// reads the rest of its line into a record that already exists, updating it in place.
namespace vev {

// `pos`, `tang`, `norm`: each also makes the coordinates plain (coordType 0). `norm` sets the
// binormal to tangent x normal, unless the tangent held at that moment is zero.
void readPosition(SceneReader& reader, Pose& pose);
void readTangent(SceneReader& reader, Pose& pose);
void readNormal(SceneReader& reader, Pose& pose);
void readCoordType(SceneReader& reader, Pose& pose);
void readZoom(SceneReader& reader, Pose& pose);
void readDist(SceneReader& reader, Pose& pose);

void readPivot(SceneReader& reader, BodyState& body);
// `controltx` to `controloz`: one channel of a group, 0, 1, 2 = x, y, z.
template <std::array<ControlChannel, 3> BodyState::*Group, std::size_t Axis>
void readGroupChannel(SceneReader& reader, BodyState& body) {
  readChannel(reader, (body.*Group)[Axis]);
}
void readRail(SceneReader& reader, BodyState& body);
// `controlactivate`: key, armed state, delay in seconds, then three values that are not used.
void readActivation(SceneReader& reader, BodyState& body);
// `derivcontrol`: toggle key, toggle state, (unused), key held while on, key held while off,
// (unused).
void readDerivedControl(SceneReader& reader, BodyState& body);
// `fire` and `detonate`: key, state, duration; the fire timer starts at 0.
void readFire(SceneReader& reader, BodyState& body);
// `changetarget`: previous-target and next-target keys, and optionally the nearest-target key.
void readChangeTarget(SceneReader& reader, BodyState& body);
void readControlSound(SceneReader& reader, BodyState& body);
// Up, down, left, right.
void readJoyKeys(SceneReader& reader, BodyState& body);

void readDiffuse(SceneReader& reader, Shape& shape);
// `amb` and `spec` make the shape lit.
void readAmbient(SceneReader& reader, Shape& shape);
void readSpecular(SceneReader& reader, Shape& shape);
void readUntextured(SceneReader& reader, Shape& shape);
void readWire(SceneReader& reader, Shape& shape);
void readMapPoints(SceneReader& reader, Shape& shape);

// `damage`, in file order: strength, power, taken, destroyed, removal, trigger key.
void readDamage(SceneReader& reader, DamageState& damage);
void readCvv(SceneReader& reader, AeroCoefficients& aero);
void readCmm(SceneReader& reader, AeroCoefficients& aero);

}  // namespace vev
