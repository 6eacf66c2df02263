#pragma once

namespace vev {

// While it lives, standard error goes nowhere, unless the user asked for OpenAL Soft's log with
// ALSOFT_LOGLEVEL. Opening a device on a machine without one makes OpenAL Soft and the ALSA
// library it loads print ten lines that say no more than "no sound device".
class QuietStandardError {
 public:
  QuietStandardError();
  ~QuietStandardError();
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  int saved_ = -1;  // the descriptor standard error had, or -1 when it was left alone
};

}  // namespace vev
