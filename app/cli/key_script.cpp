#include "app/cli/key_script.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <sstream>

#include "app/cli/arguments.h"
#include "model/regular_file.h"

namespace vev {
namespace {

std::optional<KeyEvent> parseKeyLine(const std::string& line) {
  std::istringstream words(line);
  std::string frame, direction, code, extra;
  if (!(words >> frame >> direction >> code) || (words >> extra)) return std::nullopt;
  KeyEvent event;
  int key = 0;
  if (!parseWhole(frame, 1, std::int64_t{1} << 40, event.frame)) return std::nullopt;
  if (direction != "down" && direction != "up") return std::nullopt;
  if (!parseWhole(code, 1, kKeyCount - 1, key)) return std::nullopt;
  event.down = direction == "down";
  event.key = static_cast<KeyCode>(key);
  return event;
}

// Why parseKeyLine refuses a line: a frame or key code out of its range is named as such.
std::string keyLineProblem(const std::string& line) {
  std::istringstream words(line);
  std::string frame, direction, code;
  words >> frame >> direction >> code;
  std::int64_t number = 0;
  if (parseWhole(frame, std::numeric_limits<std::int64_t>::min(), 0, number)) {
    return "frame " + frame + " is before the first: frames are counted from 1";
  }
  int key = 0;
  if ((direction == "down" || direction == "up") &&
      parseWhole(code, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), key) &&
      (key < 1 || key >= kKeyCount)) {
    return "key code " + code + " is no key: key codes run from 1 to " +
           std::to_string(kKeyCount - 1);
  }
  return "expected FRAME down|up KEYCODE";
}

std::string readWholeFile(std::FILE* file) {
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
  return text;
}

}  // namespace

std::optional<std::vector<KeyEvent>> readKeyScript(const std::string& path, std::string& error) {
  const FileHandle opened = openRegularStream(path);
  if (!opened) {
    const std::string notAFile = notAFileMessage(path);
    error = path + ": " + (notAFile.empty() ? "cannot be read" : notAFile);
    return std::nullopt;
  }
  std::istringstream file(readWholeFile(opened.get()));
  std::vector<KeyEvent> events;
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
    const auto event = parseKeyLine(line);
    if (!event) {
      error = path + ":" + std::to_string(number) + ": " + keyLineProblem(line);
      return std::nullopt;
    }
    events.push_back(*event);
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const KeyEvent& a, const KeyEvent& b) { return a.frame < b.frame; });
  return events;
}

}  // namespace vev
