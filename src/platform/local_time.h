#pragma once

#include <ctime>
#include <optional>

namespace peltarix {

// The calendar time `time` in the system's local time zone; empty when it
// cannot be converted.
std::optional<std::tm> LocalTime(std::time_t time);

}  // namespace peltarix
