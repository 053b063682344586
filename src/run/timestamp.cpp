#include "run/timestamp.h"

#include <string>

#include "platform/local_time.h"

namespace peltarix {
namespace {

std::string TwoDigits(int value) {
  std::string text = std::to_string(value);
  return text.size() < 2 ? "0" + text : text;
}

}  // namespace

std::optional<std::tm> SystemLocalTime() {
  const std::time_t now = std::time(nullptr);
  if (now == static_cast<std::time_t>(-1)) return std::nullopt;
  return LocalTime(now);
}

std::optional<std::string> FormatTimestamp(TimestampForm form, const LocalClock& clock) {
  const std::optional<std::tm> time = clock ? clock() : std::nullopt;
  if (!time) return std::nullopt;
  const std::string year = std::to_string(time->tm_year + 1900);
  const std::string month = TwoDigits(time->tm_mon + 1);
  const std::string day = TwoDigits(time->tm_mday);
  if (form == TimestampForm::kDate) return year + month + day;
  return year + "/" + month + "/" + day + "," + TwoDigits(time->tm_hour) + ":" +
         TwoDigits(time->tm_min) + ":" + TwoDigits(time->tm_sec);
}

}  // namespace peltarix
