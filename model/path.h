#pragma once

#include <string>
#include <string_view>

namespace vev {

// Scene files name paths with `\` (as written on Windows) or `/`; both separate directories.
inline bool isPathSeparator(char c) {
  return c == '\\' || c == '/';
}

// The directory part of a path, up to and including its last separator; empty when it has none.
inline std::string directoryOf(std::string_view path) {
  const auto last = path.find_last_of("\\/");
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

// A file named in a scene file, beside the scene file unless the name is absolute.
inline std::string inSceneDirectory(std::string_view directory, std::string_view name) {
  if (!name.empty() && name.front() == '/') return std::string(name);
  return std::string(directory) + std::string(name);
}

// The path as this platform opens it: every `\` becomes `/`.
inline std::string nativePath(std::string_view path) {
  std::string native(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

}  // namespace vev
