#include "sound/openal_options.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace vev {
namespace {

// OpenAL Soft reads at most this many characters of a configuration value.
constexpr std::size_t kMaxConfigValue = 255;

std::string configPathFor(const OpenAlOptions& options) {
  return options.wavePath + ".alsoft.conf";
}

const char* driverName(OpenAlOptions::Backend backend) {
  switch (backend) {
    case OpenAlOptions::Backend::Null:
      return "null";
    case OpenAlOptions::Backend::WaveFile:
      return "wave";
    case OpenAlOptions::Backend::Default:
      break;
  }
  return nullptr;
}

bool writeWaveConfig(const OpenAlOptions& options) {
  if (options.wavePath.empty()) return false;
  std::error_code error;
  const std::filesystem::path wave = std::filesystem::absolute(options.wavePath, error);
  if (error) return false;
  const std::optional<std::string> text = waveConfigText(wave.string());
  if (!text) return false;
  const std::string configPath = configPathFor(options);
  std::ofstream config(configPath, std::ios::binary | std::ios::trunc);
  config << *text;
  config.close();
  return !config.fail() && setenv("ALSOFT_CONF", configPath.c_str(), 1) == 0;
}

}  // namespace

std::optional<std::string> waveConfigText(const std::string& wavePath) {
  std::string value;
  for (const char c : wavePath) {
    if (c == '#' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return std::nullopt;
    // The configuration reader substitutes environment variables named by `$`.
    if (c == '$') value += '$';
    value += c;
  }
  if (value.empty() || value.size() > kMaxConfigValue) return std::nullopt;
  // Quotes keep leading and trailing blanks of the name; a quote inside cannot be expressed.
  if (value.find('"') != std::string::npos) return std::nullopt;
  return "[general]\ndrivers = wave\n\n[wave]\nfile = \"" + value + "\"\n";
}

bool prepareOpenAlOutput(const OpenAlOptions& options) {
  const char* driver = driverName(options.backend);
  if (driver == nullptr) return true;
  if (options.backend == OpenAlOptions::Backend::WaveFile && !writeWaveConfig(options)) {
    return false;
  }
  return setenv("ALSOFT_DRIVERS", driver, 1) == 0;
}

void removeOpenAlOutputConfig(const OpenAlOptions& options) {
  if (options.backend != OpenAlOptions::Backend::WaveFile) return;
  std::error_code ignored;
  std::filesystem::remove(configPathFor(options), ignored);
}

}  // namespace vev
