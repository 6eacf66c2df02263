#pragma once

#include <locale.h>
#include <clocale>

namespace vev {

// Runs the calling thread in the "C" locale while it lives, whatever locale the program set
// (the desktop program's Qt sets it from the environment): the C library's number conversions
// then read and write '.' as the decimal point. Other threads keep their locale.
class CLocaleScope {
 public:
  CLocaleScope();
  ~CLocaleScope();
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  locale_t c_;
  locale_t previous_;
};

}  // namespace vev
