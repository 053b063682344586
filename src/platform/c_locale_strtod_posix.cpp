#include "platform/c_locale_strtod.h"

#include <locale.h>

#include <cstdlib>

namespace peltarix::platform {

double StrtodInCLocale(const char* text, char** end) {
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return strtod_l(text, end, c_locale);
}

}  // namespace peltarix::platform
