#include "platform/local_time.h"

namespace peltarix {

std::optional<std::tm> LocalTime(std::time_t time) {
  std::tm local{};
  if (localtime_s(&local, &time) != 0) return std::nullopt;
  return local;
}

void LoadTimeZone() { _tzset(); }

}  // namespace peltarix
