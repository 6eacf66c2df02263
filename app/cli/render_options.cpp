#include "app/cli/render_options.h"

#include <string_view>

#include "app/cli/arguments.h"

namespace vev {
namespace {

// The largest picture side: far beyond any screen, small enough that a frame always fits memory.
constexpr int kMaxSide = 8192;

bool parseSize(std::string_view text, RenderOptions& options) {
  const auto x = text.find('x');
  if (x == std::string_view::npos) return false;
  return parseWhole(text.substr(0, x), 1, kMaxSide, options.width) &&
         parseWhole(text.substr(x + 1), 1, kMaxSide, options.height);
}

bool parseCamera(std::string_view text, RenderOptions& options) {
  if (text == "free") {
    options.cameraNode = -1;
    return true;
  }
  return parseWhole(text, 0, 1 << 30, options.cameraNode);
}

bool parseShading(std::string_view text, RenderOptions& options) {
  if (text != "s" && text != "f" && text != "w") return false;
  options.settings.shading = text[0];
  return true;
}

// Applies the option at args[i] and its value; false with `error` set when it is not valid.
bool applyOption(const std::vector<std::string>& args, std::size_t& i, RenderOptions& options,
                 std::string& error) {
  const std::string& name = args[i];
  if (name == "--no-textures") {
    options.settings.textures = 0;
    return true;
  }
  if (name == "--help-panel") {
    options.settings.idHelp = 1;
    return true;
  }
  const bool takesValue = name == "-o" || name == "--size" || name == "--camera" ||
                          name == "--shading" || name == "--frames";
  if (!takesValue) {
    error = "unknown option " + name;
    return false;
  }
  if (i + 1 >= args.size()) {
    error = name + " needs a value";
    return false;
  }
  const std::string& value = args[++i];
  bool valid = false;
  if (name == "-o") {
    options.output = value;
    valid = !value.empty();
  } else if (name == "--size") {
    valid = parseSize(value, options);
  } else if (name == "--camera") {
    valid = parseCamera(value, options);
  } else if (name == "--shading") {
    valid = parseShading(value, options);
  } else {
    valid = parseWhole(value, 1, 1 << 20, options.frames);
  }
  if (!valid) error = "bad value for " + name + ": " + value;
  return valid;
}

}  // namespace

std::optional<RenderOptions> parseRenderOptions(const std::vector<std::string>& args,
                                                std::string& error) {
  RenderOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i].size() > 1 && args[i][0] == '-') {
      if (!applyOption(args, i, options, error)) return std::nullopt;
    } else {
      options.files.push_back(args[i]);
    }
  }
  if (options.files.empty()) {
    error = "no scene file given";
    return std::nullopt;
  }
  if (options.output.empty()) {
    error = "no output file given (-o OUT.png)";
    return std::nullopt;
  }
  return options;
}

}  // namespace vev
