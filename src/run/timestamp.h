#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <string>

namespace peltarix {

enum class TimestampForm {
  kDate,     // 20081215
  kDisplay,  // 2008/12/15,09:05:07
};

// Source of the local time; empty when the time cannot be read or converted.
using LocalClock = std::function<std::optional<std::tm>()>;

// The system's local time.
std::optional<std::tm> SystemLocalTime();

// The time in the requested form; empty when the clock gives no time.
std::optional<std::string> FormatTimestamp(TimestampForm form,
                                           const LocalClock& clock = SystemLocalTime);

}  // namespace peltarix
