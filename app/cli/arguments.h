#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vev {

// Reads a whole decimal number within [low, high] into `value`; false (value untouched) when the
// text is not one.
bool parseWhole(std::string_view text, long low, long high, long& value);
bool parseWhole(std::string_view text, int low, int high, int& value);

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

}  // namespace vev
