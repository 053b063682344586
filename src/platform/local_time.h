#pragma once

#include <ctime>
#include <optional>

namespace peltarix {

// The calendar time `time` in the system's local time zone; empty when it
// cannot be converted.
std::optional<std::tm> LocalTime(std::time_t time);

// Reads the system's time zone now. The first conversion would read it
// otherwise, allocating, possibly in a run that has run out of memory.
void LoadTimeZone();

}  // namespace peltarix
