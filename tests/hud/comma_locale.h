#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace vev::test {

// A locale whose decimal point is a comma (German), built with localedef into a scratch
// directory to be named by LOCPATH, so that it exists on every machine with the locales
// package, whatever locales were generated there. Returns that directory, or "" when the locale
// could not be built.
inline std::string commaLocaleDirectory() {
  const std::filesystem::path directory =
      std::filesystem::temp_directory_path() / ("vev-locales-" + std::to_string(getuid()));
  const std::filesystem::path locale = directory / "de_DE.UTF-8";
  if (!std::filesystem::exists(locale / "LC_NUMERIC")) {
    std::filesystem::create_directories(directory);
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + locale.string() + "' >/dev/null 2>&1";
    std::system(command.c_str());
  }
  return std::filesystem::exists(locale / "LC_NUMERIC") ? directory.string() : "";
}

inline constexpr const char* kCommaLocale = "de_DE.UTF-8";

}  // namespace vev::test
