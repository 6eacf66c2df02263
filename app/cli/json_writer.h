#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vev {

// Builds compact-but-readable JSON text: one member per line, nested by two spaces. Floats are
// printed with nine significant digits, so reading them back gives the same float.
class JsonWriter {
 public:
  JsonWriter& beginObject();
  JsonWriter& endObject();
  JsonWriter& beginArray();
  JsonWriter& endArray();
  // Names the next value inside an object.
  JsonWriter& key(std::string_view name);

  JsonWriter& value(std::string_view text);
  JsonWriter& value(const char* text) { return value(std::string_view(text)); }
  JsonWriter& value(float number);
  JsonWriter& value(std::int64_t number);
  JsonWriter& value(int number) { return value(static_cast<std::int64_t>(number)); }
  JsonWriter& value(bool flag);
  JsonWriter& null();

  // A short array of numbers, written on one line.
  template <typename Container>
  JsonWriter& numbers(const Container& items) {
    beginInlineArray();
    for (const auto& item : items) value(item);
    return endInlineArray();
  }

  const std::string& text() const { return out_; }

 private:
  struct Level {
    bool inArray;
    bool inline_;
    bool empty = true;
  };

  void beforeValue();
  void newline();
  JsonWriter& beginInlineArray();
  JsonWriter& endInlineArray();
  void close(char bracket);

  std::string out_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

}  // namespace vev
