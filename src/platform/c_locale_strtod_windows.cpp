#include "platform/c_locale_strtod.h"

#include <locale.h>

#include <cstdlib>

namespace peltarix::platform {

double StrtodInCLocale(const char* text, char** end) {
  static const _locale_t c_locale = _create_locale(LC_ALL, "C");
  return _strtod_l(text, end, c_locale);
}

}  // namespace peltarix::platform
