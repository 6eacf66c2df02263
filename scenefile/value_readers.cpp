#include "scenefile/value_readers.h"

#include "scenefile/number_conversion.h"

namespace vev {

namespace {

void readChannelValues(SceneReader& reader, ControlChannel& channel, TokenEnd lastEnd) {
  channel.increaseKey = readKey(reader, TokenEnd::blank);
  channel.decreaseKey = readKey(reader, TokenEnd::blank);
  channel.rate = readReal(reader, TokenEnd::blank);
  channel.roomDown = readReal(reader, TokenEnd::blank);
  channel.roomUp = readReal(reader, TokenEnd::blank);
  channel.unlimited = saturateToInt16(readInteger(reader, lastEnd));
}

}  // namespace

std::int32_t readInteger(SceneReader& reader, TokenEnd end) {
  return parseInteger(reader.readToken(end).text);
}

float readReal(SceneReader& reader, TokenEnd end) {
  return parseReal(reader.readToken(end).text);
}

KeyCode readKey(SceneReader& reader, TokenEnd end) {
  return validKey(readInteger(reader, end));
}

Vec3 readTriple(SceneReader& reader) {
  return readReals<3>(reader);
}

std::array<float, 4> readQuad(SceneReader& reader) {
  return readReals<4>(reader);
}

std::array<float, 9> readMatrix(SceneReader& reader) {
  return readReals<9>(reader);
}

std::array<float, 4> readColour(SceneReader& reader) {
  std::array<float, 4> colour{};
  const std::array<std::int32_t, 4> percent = readIntegers<4>(reader);
  for (std::size_t i = 0; i < colour.size(); ++i) {
    colour[i] = static_cast<float>(percent[i]) * 0.01f;
  }
  return colour;
}

void readChannel(SceneReader& reader, ControlChannel& channel) {
  readChannelValues(reader, channel, TokenEnd::line);
}

void readRailChannel(SceneReader& reader, RailChannel& rail) {
  readChannelValues(reader, rail, TokenEnd::blank);
  rail.direction = readTriple(reader);
}

std::array<Vec3, 4> readMaps(SceneReader& reader) {
  const std::array<float, 12> values = readReals<12>(reader);
  std::array<Vec3, 4> points{};
  for (std::size_t i = 0; i < points.size(); ++i) {
    points[i] = {values[3 * i], values[3 * i + 1], values[3 * i + 2]};
  }
  return points;
}

std::vector<Vertex> readVertexList(SceneReader& reader) {
  std::vector<Vertex> vertices;
  for (;;) {
    Vertex& vertex = vertices.emplace_back();
    vertex.x = readReal(reader, TokenEnd::blank);
    vertex.y = readReal(reader, TokenEnd::blank);
    const Token z = reader.readToken(TokenEnd::blankOrLine);
    vertex.z = parseReal(z.text);
    if (z.stop != ' ') return vertices;
  }
}

}  // namespace vev
