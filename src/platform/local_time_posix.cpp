#include "platform/local_time.h"

namespace peltarix {

std::optional<std::tm> LocalTime(std::time_t time) {
  std::tm local{};
  if (localtime_r(&time, &local) == nullptr) return std::nullopt;
  return local;
}

void LoadTimeZone() { tzset(); }

}  // namespace peltarix
