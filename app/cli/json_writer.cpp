#include "app/cli/json_writer.h"

#include <cmath>
#include <cstdio>

#include "model/number_text.h"

namespace vev {

void JsonWriter::newline() {
  out_ += '\n';
  out_.append(2 * levels_.size(), ' ');
}

void JsonWriter::beforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  Level& level = levels_.back();
  if (!level.empty) out_ += level.inline_ ? ", " : ",";
  if (!level.inline_) newline();
  level.empty = false;
}

JsonWriter& JsonWriter::beginObject() {
  beforeValue();
  out_ += '{';
  levels_.push_back({false, false});
  return *this;
}

JsonWriter& JsonWriter::beginArray() {
  beforeValue();
  out_ += '[';
  levels_.push_back({true, false});
  return *this;
}

JsonWriter& JsonWriter::beginInlineArray() {
  beforeValue();
  out_ += '[';
  levels_.push_back({true, true});
  return *this;
}

void JsonWriter::close(char bracket) {
  const Level level = levels_.back();
  levels_.pop_back();
  if (!level.empty && !level.inline_) newline();
  out_ += bracket;
  if (levels_.empty()) out_ += '\n';
}

JsonWriter& JsonWriter::endObject() {
  close('}');
  return *this;
}

JsonWriter& JsonWriter::endArray() {
  close(']');
  return *this;
}

JsonWriter& JsonWriter::endInlineArray() {
  close(']');
  return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
  value(name);
  out_ += ": ";
  afterKey_ = true;
  return *this;
}

// Scene texts are bytes of an 8-bit code page; bytes above 127 are written as the Latin-1
// characters they stand for, so the output is always valid JSON.
JsonWriter& JsonWriter::value(std::string_view text) {
  beforeValue();
  out_ += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out_ += '\\';
      out_ += c;
    } else if (byte < 0x20 || byte >= 0x7f) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out_ += escaped;
    } else {
      out_ += c;
    }
  }
  out_ += '"';
  return *this;
}

// JSON has no infinity or NaN; such a value is written as null.
JsonWriter& JsonWriter::value(float number) {
  if (!std::isfinite(number)) return null();
  beforeValue();
  out_ += formatReal(number, std::chars_format::general, 9);
  return *this;
}

JsonWriter& JsonWriter::value(std::int64_t number) {
  beforeValue();
  out_ += std::to_string(number);
  return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
  beforeValue();
  out_ += flag ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::null() {
  beforeValue();
  out_ += "null";
  return *this;
}

}  // namespace vev
