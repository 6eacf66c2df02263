#include "app/cli/arguments.h"

#include <charconv>

namespace vev {

bool parseWhole(std::string_view text, long low, long high, long& value) {
  long parsed = 0;
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (failure != std::errc() || end != text.data() + text.size()) return false;
  if (parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

bool parseWhole(std::string_view text, int low, int high, int& value) {
  long parsed = 0;
  if (!parseWhole(text, static_cast<long>(low), static_cast<long>(high), parsed)) return false;
  value = static_cast<int>(parsed);
  return true;
}

bool ArgumentCursor::atOption() const {
  const std::string& arg = args_[next_];
  return arg.size() > 1 && arg[0] == '-';
}

bool ArgumentCursor::takeValue(const std::string& name, std::string& value, std::string& error) {
  if (done()) {
    error = name + " needs a value";
    return false;
  }
  value = take();
  return true;
}

bool parseSceneArguments(const std::vector<std::string>& args, bool& demo,
                         std::vector<std::string>& files, const OptionHandler& option,
                         std::string& error) {
  ArgumentCursor cursor(args);
  while (!cursor.done()) {
    if (!cursor.atOption()) {
      files.push_back(cursor.take());
      continue;
    }
    const std::string name = cursor.take();
    if (name == "--demo") {
      demo = true;
    } else if (!option(name, cursor, error)) {
      return false;
    }
  }
  if (demo == !files.empty()) {
    error = "give either --demo or scene files";
    return false;
  }
  return true;
}

bool parsePilot(std::string_view text, bool& attack) {
  if (text != "demo" && text != "attack") return false;
  attack = text == "attack";
  return true;
}

}  // namespace vev
