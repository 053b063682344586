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

  // The source texts go between quotes as they are.
  const BasicInfoLayout& layout = kBasicInfoLayout;
  RecordLineWriter record = StartRecord(context, layout, "1");
  record.Quoted("").EmptyUntil(layout.project_name).Quoted(name).Quoted("").Quoted("");
  record.EmptyUntil(layout.designer).Quoted(designer);
  record.EmptyUntil(layout.remark).Quoted(JohoValue(context, "//JOHO_BIKO"));
  record.Quoted("").Integer(1).Integer(0).EndLine();
  return 0;
}

}  // namespace peltarix
