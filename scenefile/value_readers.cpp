#include "scenefile/value_readers.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "model/number_text.h"
#include "scenefile/number_conversion.h"

namespace vev {

namespace {

// A value as its author wrote it: a last value holds the rest of its line, which may hold
// further values.
std::string_view writtenValue(const std::string& token) {
  return std::string_view(token).substr(0, token.find(' '));
}

std::string realText(float value) {
  return formatReal(value, std::chars_format::general, 6);
}

// An empty value has been told as the blanks that make it. A real with nothing after its point
// ("100.0") reads as written.
void checkInteger(SceneReader& reader, const std::string& token, std::int32_t value) {
  const std::string_view written = writtenValue(token);
  if (written.empty() || isWholeInteger(written)) return;
  const bool real = isWholeReal(written);
  if (real && parseReal(written) == static_cast<float>(value)) return;
  const char* what = real ? "is not a whole number" : "is not a number";
  reader.noteValue("value `" + std::string(written) + "` " + what + " (read as " +
                   std::to_string(value) + ")");
}

void checkReal(SceneReader& reader, const std::string& token, float value) {
  const std::string_view written = writtenValue(token);
  if (written.empty()) return;
  if (!isWholeReal(written)) {
    reader.noteValue("value `" + std::string(written) + "` is not a number (read as " +
                     realText(value) + ")");
  } else if (isBeyondReal(written)) {
    reader.noteValue("value `" + std::string(written) + "` is beyond the largest real (read as " +
                     realText(value) + ")");
  }
}

void readChannelValues(SceneReader& reader, ControlChannel& channel, TokenEnd lastEnd) {
  channel.increaseKey = readKey(reader, TokenEnd::blank);
  channel.decreaseKey = readKey(reader, TokenEnd::blank);
  channel.rate = readReal(reader, TokenEnd::blank);
  channel.roomDown = readReal(reader, TokenEnd::blank);
  channel.roomUp = readReal(reader, TokenEnd::blank);
  channel.unlimited = saturateToInt16(readInteger(reader, lastEnd));
}

}  // namespace

std::int32_t integerOf(SceneReader& reader, const std::string& token) {
  const std::int32_t value = parseInteger(token);
  if (reader.reporting()) checkInteger(reader, token, value);
  return value;
}

std::int32_t readInteger(SceneReader& reader, TokenEnd end) {
  return integerOf(reader, reader.readToken(end).text);
}

float readReal(SceneReader& reader, TokenEnd end) {
  const Token token = reader.readToken(end);
  const float value = parseReal(token.text);
  if (reader.reporting()) checkReal(reader, token.text, value);
  return value;
}

namespace {

KeyCode keyOf(SceneReader& reader, const Token& token) {
  const std::int32_t code = integerOf(reader, token.text);
  const KeyCode key = validKey(code);
  if (key != code) {
    reader.noteValue("key code " + std::to_string(code) + " is no key (keys are 1 to " +
                     std::to_string(kKeyCount - 1) + "), so no key is used");
  }
  return key;
}

}  // namespace

KeyCode readKey(SceneReader& reader, TokenEnd end) {
  return keyOf(reader, reader.readToken(end));
}

KeyCode readKeyWithMore(SceneReader& reader, bool& more) {
  const Token token = reader.readToken(TokenEnd::optionalMore);
  more = token.stop == ' ';
  return keyOf(reader, token);
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
  if (reader.reporting()) reader.tallyColour(*std::max_element(percent.begin(), percent.end()));
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
    if (reader.reporting()) checkReal(reader, z.text, vertex.z);
    if (z.stop != ' ') return vertices;
  }
}

}  // namespace vev
