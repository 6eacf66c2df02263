#include "model/c_locale_scope.h"

namespace vev {

CLocaleScope::CLocaleScope()
    : c_(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0))),
      previous_(c_ ? uselocale(c_) : static_cast<locale_t>(0)) {}

CLocaleScope::~CLocaleScope() {
  if (!c_) return;
  uselocale(previous_);
  freelocale(c_);
}

}  // namespace vev
