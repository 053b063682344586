#pragma once

namespace peltarix::platform {

// strtod in the "C" locale, whatever the process locale: "." is always the
// decimal separator.
double StrtodInCLocale(const char* text, char** end);

}  // namespace peltarix::platform
