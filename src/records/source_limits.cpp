#include "records/source_limits.h"

#include <string>

#include "run/number_format.h"

namespace peltarix {
namespace {

bool ExceedsSourceLines(const RunContext& context, std::int64_t count) {
  return count > static_cast<std::int64_t>(context.source().line_count());
}

void ReportDamagedPointCount(RunContext& context, std::string_view data_kind,
                             std::string_view record_number, std::int64_t point_count) {
  context.LogMessage(kWarning, std::string(data_kind) + "の" + std::string(record_number) +
                                   "件目の頂点数" + FormatInt(point_count) +
                                   "が変換元QVファイルの行数を超えるためコンバートしません");
}

}  // namespace

int CountRecords(RunContext& context, std::string_view section, std::string_view group,
                 std::string_view data_kind) {
  const int count = context.LookupCount(section, group);
  if (!ExceedsSourceLines(context, count)) return count;
  context.LogMessage(kWarning, "変換元QVファイルの" + std::string(data_kind) + "の件数" +
                                   FormatInt(count) + "が行数を超えるためコンバートしません");
  return -1;
}

PointBudget::PointBudget(RunContext& context, std::string_view data_kind)
    : context_(context), data_kind_(data_kind) {}

bool PointBudget::Claim(std::string_view record_number, std::int64_t point_count) {
  if (point_count <= 0) return true;
  if (ExceedsSourceLines(context_, point_count)) {
    ReportDamagedPointCount(context_, data_kind_, record_number, point_count);
    return false;
  }
  if (ExceedsSourceLines(context_, claimed_ + point_count)) {
    context_.LogMessage(kWarning, std::string(data_kind_) + "の" + std::string(record_number) +
                                      "件目までの頂点数の合計" + FormatInt(claimed_ + point_count) +
                                      "が変換元QVファイルの行数を超えるためコンバートしません");
    return false;
  }
  claimed_ += point_count;
  return true;
}

}  // namespace peltarix
