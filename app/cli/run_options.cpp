#include "app/cli/run_options.h"

#include "app/cli/arguments.h"
#include "app/cli/camera_choice.h"

namespace vev {
namespace {

constexpr std::int64_t kMaxFrames = std::int64_t{1} << 30;

// Takes a value that must not be empty into `text`.
std::function<bool(const std::string&)> textInto(std::string& text) {
  return [&text](const std::string& value) {
    text = value;
    return !value.empty();
  };
}

void describeOptions(ArgumentParser& parser, RunOptions& options) {
  parser.flag("--demo", [&options] { options.demo = true; });
  parser.flag("--help-panel", [&options] { options.helpPanel = true; });
  parser.option("--frames", [&options](const std::string& value) {
    return parseWhole(value, 1, kMaxFrames, options.frames);
  });
  parser.option("--png-every", [&options](const std::string& value) {
    return parseWhole(value, 1, kMaxFrames, options.pngEvery);
  });
  parser.option("--checksum-every", [&options](const std::string& value) {
    return parseWhole(value, 1, kMaxFrames, options.checksumEvery);
  });
  parser.option("--keys", textInto(options.keyScript));
  parser.option("--png-prefix", textInto(options.pngPrefix));
  parser.option("--json", textInto(options.jsonOutput));
  parser.option("--record", textInto(options.recordPath));
  parser.option("--replay", textInto(options.replayPath));
  parser.option("--fly", textInto(options.flyFile));
  parser.option("--sound-wav", textInto(options.soundWav));
  parser.option("--pilot",
                [&options](const std::string& value) { return parsePilot(value, options.attack); });
  parser.option("--host", [&options](const std::string& value) {
    options.net.host = true;
    return parsePort(value, options.net.port);
  });
  parser.option("--join", [&options](const std::string& value) {
    return parseJoinAddress(value, options.net);
  });
  parser.option("--key", textInto(options.net.gameKey));
  parser.option("--player", textInto(options.net.player));
  parser.option("--net-faults", textInto(options.net.faults));
  parser.option("--desync-at", [&options](const std::string& value) {
    return parseWhole(value, 1, kMaxFrames, options.desyncAt);
  });
  parser.option("--camera", [&options](const std::string& value) {
    int node = 0;
    if (!parseCamera(value, node)) return false;
    options.cameraNode = node;
    return true;
  });
}

// --host takes its port only when one follows.
std::vector<std::string> withHostPort(std::vector<std::string> args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::int64_t port = 0;
    if (args[i] == "--host" && (i + 1 == args.size() || !parseWhole(args[i + 1], 1, 65535, port))) {
      args.insert(args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                  std::to_string(kDefaultGamePort));
    }
  }
  return args;
}

}  // namespace

std::optional<RunOptions> parseRunOptions(const std::vector<std::string>& args,
                                          std::string& error) {
  RunOptions options;
  ArgumentParser parser;
  describeOptions(parser, options);
  if (!parser.parse(withHostPort(args), options.files, error)) return std::nullopt;
  if (options.net.host && !options.net.joinAddress.empty()) {
    error = "--host and --join do not go together";
    return std::nullopt;
  }
  if (options.net.active() && !options.replayPath.empty()) {
    error = "a replay is not played over the network";
    return std::nullopt;
  }
  if (options.net.player.empty()) options.net.player = options.net.host ? "Host" : "Guest";
  if (!options.replayPath.empty()) {
    if (options.demo || !options.files.empty() || !options.keyScript.empty() || options.attack ||
        !options.flyFile.empty()) {
      error = "--replay brings its own scene, pilot and keys";
      return std::nullopt;
    }
    return options;
  }
  if (!options.demo && options.files.empty()) {
    error = "give --demo, scene files or both, or --replay";
    return std::nullopt;
  }
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
