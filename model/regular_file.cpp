#include "model/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace vev {
namespace {

bool isRegular(const struct stat& status) {
  return S_ISREG(status.st_mode);
}

}  // namespace

int openRegularFile(const std::string& path) {
  // Looked at first so that no device is opened; the open does not wait for a pipe's writer, and
  // the second look catches a file replaced by something else in between.
  struct stat status {};
  if (stat(path.c_str(), &status) != 0 || !isRegular(status)) return -1;
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  if (fstat(fd, &status) != 0 || !isRegular(status)) {
    close(fd);
    return -1;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

FileHandle openRegularStream(const std::string& path) {
  const int fd = openRegularFile(path);
  if (fd < 0) return nullptr;
  FileHandle file(fdopen(fd, "rb"));
  if (!file) close(fd);
  return file;
}

std::string nonFileKind(const std::string& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0 || isRegular(status)) return {};
  if (S_ISDIR(status.st_mode)) return "a folder";
  if (S_ISFIFO(status.st_mode)) return "a named pipe";
  if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode)) return "a device";
  if (S_ISSOCK(status.st_mode)) return "a socket";
  return "a special file";
}

std::string notAFileMessage(const std::string& path) {
  const std::string kind = nonFileKind(path);
  if (kind.empty()) return {};
  return "is " + kind + ", not a file";
}

std::string missingFileMessage(const std::string& path) {
  const std::string notAFile = notAFileMessage(path);
  if (!notAFile.empty()) return notAFile;
  std::error_code error;
  return std::filesystem::exists(path, error) ? std::string() : "does not exist";
}

}  // namespace vev
