#include "app/cli/run_options.h"

#include "app/cli/arguments.h"

namespace vev {
namespace {

constexpr long kMaxFrames = 1L << 30;

bool applyRunOption(const std::string& name, ArgumentCursor& cursor, RunOptions& options,
                    std::string& error) {
  if (name == "--help-panel") {
    options.helpPanel = true;
    return true;
  }
  std::string value;
  if (name != "--frames" && name != "--keys" && name != "--png-every" && name != "--png-prefix" &&
      name != "--json" && name != "--sound-wav" && name != "--pilot") {
    error = "unknown option " + name;
    return false;
  }
  if (!cursor.takeValue(name, value, error)) return false;
  bool valid = !value.empty();
  if (name == "--frames") {
    valid = parseWhole(value, 1L, kMaxFrames, options.frames);
  } else if (name == "--png-every") {
    valid = parseWhole(value, 1L, kMaxFrames, options.pngEvery);
  } else if (name == "--keys") {
    options.keyScript = value;
  } else if (name == "--png-prefix") {
    options.pngPrefix = value;
  } else if (name == "--sound-wav") {
    options.soundWav = value;
  } else if (name == "--pilot") {
    valid = parsePilot(value, options.attack);
  } else {
    options.jsonOutput = value;
  }
  if (!valid) error = "bad value for " + name + ": " + value;
  return valid;
}

}  // namespace

std::optional<RunOptions> parseRunOptions(const std::vector<std::string>& args,
                                          std::string& error) {
  RunOptions options;
  const auto option = [&options](const std::string& name, ArgumentCursor& cursor,
                                 std::string& failure) {
    return applyRunOption(name, cursor, options, failure);
  };
  if (!parseSceneArguments(args, options.demo, options.files, option, error)) return std::nullopt;
  if (options.frames == 0) {
    error = "--frames N is needed";
    return std::nullopt;
  }
  if ((options.pngEvery > 0) != !options.pngPrefix.empty()) {
    error = "--png-every and --png-prefix go together";
    return std::nullopt;
  }
  return options;
}

}  // namespace vev
