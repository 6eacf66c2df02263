#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/body_state.h"
#include "model/keys.h"
#include "model/scene_node.h"
#include "model/vector3.h"
#include "scenefile/scene_reader.h"

// The value shapes of a field line. Each reader consumes exactly the rest of the line: its
// values are separated by single blanks and the last one runs to the line feed, so a missing
// value reads as 0 and a short line runs on into the next.
namespace vev {

std::int32_t readInteger(SceneReader& reader, TokenEnd end = TokenEnd::line);
// The integer of a value whose token the caller has read, told as readInteger tells it.
std::int32_t integerOf(SceneReader& reader, const std::string& token);
float readReal(SceneReader& reader, TokenEnd end = TokenEnd::line);
// A key code; one that cannot index a key table is no key (0).
KeyCode readKey(SceneReader& reader, TokenEnd end = TokenEnd::line);
// A key code that may end its line; `more` tells whether an optional value follows it.
KeyCode readKeyWithMore(SceneReader& reader, bool& more);

// N blank-separated reals, the last one running to the line end.
template <std::size_t N>
std::array<float, N> readReals(SceneReader& reader) {
  std::array<float, N> values{};
  for (std::size_t i = 0; i < N; ++i) {
    values[i] = readReal(reader, i + 1 < N ? TokenEnd::blank : TokenEnd::line);
  }
  return values;
}

// N blank-separated integers, the last one running to the line end.
template <std::size_t N>
std::array<std::int32_t, N> readIntegers(SceneReader& reader) {
  std::array<std::int32_t, N> values{};
  for (std::size_t i = 0; i < N; ++i) {
    values[i] = readInteger(reader, i + 1 < N ? TokenEnd::blank : TokenEnd::line);
  }
  return values;
}

Vec3 readTriple(SceneReader& reader);
std::array<float, 4> readQuad(SceneReader& reader);
// Nine reals, row by row.
std::array<float, 9> readMatrix(SceneReader& reader);
// Four integer percentages (red, green, blue, alpha) as fractions.
std::array<float, 4> readColour(SceneReader& reader);
// Increase key, decrease key, rate, room down, room up, unlimited.
void readChannel(SceneReader& reader, ControlChannel& channel);
// A channel followed by the rail direction x, y, z.
void readRailChannel(SceneReader& reader, RailChannel& rail);
// Twelve reals: four points.
std::array<Vec3, 4> readMaps(SceneReader& reader);
// x y z triples, blank-separated, as many as the line holds; the list ends with the line feed
// that follows a z value (a blank after the last z starts another vertex on the next line).
std::vector<Vertex> readVertexList(SceneReader& reader);

}  // namespace vev
