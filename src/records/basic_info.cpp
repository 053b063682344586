#include "records/basic_info.h"

#include "records/record_head.h"

namespace peltarix {
namespace {

std::string_view JohoValue(const RunContext& context, std::string_view key) {
  return context.LookupValue("QVINFO", "/JOHO", key, "");
}

}  // namespace

int ConvertBasicInfo(RunContext& context) {
  context.LogMessage(kInformation, "基本情報を処理しています・・・");
  const std::string_view name = JohoValue(context, "//JOHO_NAME");
  if (name.empty()) context.LogMessage(kWarning, "変換元QVデータに物件名が存在しません");
  const std::string_view designer = JohoValue(context, "//JOHO_TNTO");
  if (designer.empty()) context.LogMessage(kWarning, "変換元QVデータに設計者名が存在しません");

  // Fields 13 to 21; the source texts go between quotes as they are.
  StartRecord(context, "AA010100", "1", RecordFamily::kBuildingWide)
      .Quoted("")
      .Quoted(name)
      .Quoted("")
      .Quoted("")
      .Quoted(designer)
      .Quoted(JohoValue(context, "//JOHO_BIKO"))
      .Quoted("")
      .Integer(1)
      .Integer(0)
      .EndLine();
  return 0;
}

}  // namespace peltarix
