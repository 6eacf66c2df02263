#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
}

namespace vev {

// Reads a whole decimal number within [low, high] into `value`; false (value untouched) when the
// text is not one.
bool parseWhole(std::string_view text, std::int64_t low, std::int64_t high, std::int64_t& value);
bool parseWhole(std::string_view text, int low, int high, int& value);

// The pilot named by --pilot: "demo" (the demonstration pilot) or "attack"; false when neither.
bool parsePilot(std::string_view text, bool& attack);

// The arguments of one vev-scene command, read with CLI11: options ("-o", "--frames", some with
// a value, given as the next argument or after "=") may stand anywhere among the plain
// arguments, "--" ends the options, and an option given twice keeps its last value.
class ArgumentParser {
 public:
  ArgumentParser();
  ~ArgumentParser();
  ArgumentParser(const ArgumentParser&) = delete;
  ArgumentParser& operator=(const ArgumentParser&) = delete;

  // An option without a value; `set` runs when it is given.
  void flag(const std::string& name, std::function<void()> set);
  // An option with a value, handed to `take`, which returns false for a value it refuses.
  void option(const std::string& name, std::function<bool(const std::string&)> take);

  // Parses `args`, putting the plain arguments into `plain` in order. False with `error` set to
  // "unknown option NAME", "NAME needs a value" or "bad value for NAME: VALUE".
  bool parse(const std::vector<std::string>& args, std::vector<std::string>& plain,
             std::string& error);

 private:
  std::unique_ptr<CLI::App> app_;
};

// The arguments of a command that takes scene files and no option, such as `dump`: false, with
// the usage line on standard error, when no file or an option is given.
bool parseFileArguments(const std::string& command, const std::vector<std::string>& args,
                        std::vector<std::string>& files);

}  // namespace vev
