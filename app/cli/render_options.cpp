#include "app/cli/render_options.h"

#include <string_view>

#include "app/cli/arguments.h"
#include "app/cli/camera_choice.h"

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

bool parseShading(std::string_view text, RenderOptions& options) {
  if (text != "s" && text != "f" && text != "w") return false;
  options.settings.shading = text[0];
  return true;
}

void describeOptions(ArgumentParser& parser, RenderOptions& options) {
  parser.flag("--no-textures", [&options] { options.settings.textures = 0; });
  parser.flag("--help-panel", [&options] { options.settings.idHelp = 1; });
  parser.option("-o", [&options](const std::string& value) {
    options.output = value;
    return !value.empty();
  });
  parser.option("--size",
                [&options](const std::string& value) { return parseSize(value, options); });
  parser.option("--camera", [&options](const std::string& value) {
    return parseCamera(value, options.cameraNode);
  });
  parser.option("--shading",
                [&options](const std::string& value) { return parseShading(value, options); });
  parser.option("--frames", [&options](const std::string& value) {
    return parseWhole(value, 1, 1 << 20, options.frames);
  });
}

}  // namespace

std::optional<RenderOptions> parseRenderOptions(const std::vector<std::string>& args,
                                                std::string& error) {
  RenderOptions options;
  ArgumentParser parser;
  describeOptions(parser, options);
  if (!parser.parse(args, options.files, error)) return std::nullopt;
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
