#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace vev {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens `path` for reading when it is a regular file, and returns its descriptor; -1 when it
// cannot be opened or is a folder, a named pipe or a device. A pipe is refused at once, never
// waited on until something writes to it, and a device is not opened at all.
int openRegularFile(const std::string& path);

// The same, as a stream read in binary; null when refused.
FileHandle openRegularStream(const std::string& path);

// What a path that exists but is no regular file is ("a folder", "a named pipe", "a device",
// "a socket"), for messages; empty for a regular file or a path that cannot be looked at.
std::string nonFileKind(const std::string& path);

// "is a named pipe, not a file", or empty as nonFileKind is.
std::string notAFileMessage(const std::string& path);

// notAFileMessage, or "does not exist"; empty for a file.
std::string missingFileMessage(const std::string& path);

}  // namespace vev
