#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vev {

// Reads a whole decimal number within [low, high] into `value`; false (value untouched) when the
// text is not one.
bool parseWhole(std::string_view text, long low, long high, long& value);
bool parseWhole(std::string_view text, int low, int high, int& value);

// The pilot named by --pilot: "demo" (the demonstration pilot) or "attack"; false when neither.
bool parsePilot(std::string_view text, bool& attack);

// Walks the arguments of a subcommand: options ("-x", "--name", some followed by a value) and
// the plain arguments between them.
class ArgumentCursor {
 public:
  explicit ArgumentCursor(const std::vector<std::string>& args) : args_(args) {}

  bool done() const { return next_ >= args_.size(); }
  // Whether the next argument is an option rather than a plain argument.
  bool atOption() const;
  // The next argument, moving past it.
  const std::string& take() { return args_[next_++]; }
  // The value that follows option `name`; false with `error` set when there is none.
  bool takeValue(const std::string& name, std::string& value, std::string& error);

 private:
  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
};

// Takes one option (the cursor is just past its name) and, for those that have one, its value;
// false with `error` set when the option is unknown or its value is not valid.
using OptionHandler =
    std::function<bool(const std::string& name, ArgumentCursor& cursor, std::string& error)>;

// The arguments of a command that runs a scene: --demo, or scene files as plain arguments, with
// the command's other options handed to `option`. False with `error` set when an option fails
// or when not exactly one of --demo and files was given.
bool parseSceneArguments(const std::vector<std::string>& args, bool& demo,
                         std::vector<std::string>& files, const OptionHandler& option,
                         std::string& error);

}  // namespace vev
