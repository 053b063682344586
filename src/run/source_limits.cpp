#include "run/source_limits.h"

#include <string>

#include "run/number_format.h"

namespace peltarix {

bool ExceedsSourceLines(const RunContext& context, std::int64_t count) {
  return count > static_cast<std::int64_t>(context.source().line_count());
}

int CountRecords(RunContext& context, std::string_view section, std::string_view group,
                 std::string_view data_kind) {
  const int count = context.LookupCount(section, group);
  if (!ExceedsSourceLines(context, count)) return count;
  context.LogMessage(kWarning, "変換元QVファイルの" + std::string(data_kind) + "の件数" +
                                   FormatInt(count) + "が行数を超えるためコンバートしません");
  return -1;
}

void ReportDamagedPointCount(RunContext& context, std::string_view data_kind,
                             std::string_view record_number, std::int64_t point_count) {
  context.LogMessage(kWarning, std::string(data_kind) + "の" + std::string(record_number) +
                                   "件目の頂点数" + FormatInt(point_count) +
                                   "が変換元QVファイルの行数を超えるためコンバートしません");
}

}  // namespace peltarix
