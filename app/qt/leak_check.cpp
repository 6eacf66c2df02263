#include "app/qt/leak_check.h"

#include <dlfcn.h>
#include <link.h>

#include <cstring>

// The D-Bus connection Qt opens is kept until the process ends; LeakSanitizer, in the sanitizer
// build, is told so, so that running the program by hand reports only leaks of our own, and
// says nothing of what it was told.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n";
}

extern "C" const char* __lsan_default_options() {
  return "print_suppressions=0";
}

namespace vev {
namespace {

// Mesa's drivers are the loaded modules named *_dri.so.
int pinGlDriver(dl_phdr_info* module, std::size_t, void*) {
  if (module->dlpi_name && std::strstr(module->dlpi_name, "_dri.so")) {
    dlopen(module->dlpi_name, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
  }
  return 0;
}

}  // namespace

void keepGlDriverLoaded() {
  dl_iterate_phdr(pinGlDriver, nullptr);
}

}  // namespace vev
