#include "sound/quiet_standard_error.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace vev {

QuietStandardError::QuietStandardError() {
  if (std::getenv("ALSOFT_LOGLEVEL") != nullptr) return;
  const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (nowhere < 0) return;
  std::fflush(stderr);
  saved_ = dup(STDERR_FILENO);
  if (saved_ >= 0) dup2(nowhere, STDERR_FILENO);
  close(nowhere);
}

QuietStandardError::~QuietStandardError() {
  if (saved_ < 0) return;
  std::fflush(stderr);
  dup2(saved_, STDERR_FILENO);
  close(saved_);
}

}  // namespace vev
