#include "records/basic_info.h"

#include "records/record_head.h"

namespace peltarix {
namespace {

std::string JohoValue(const RunContext& context, std::string_view key) {
  return context.LookupValue("QVINFO", "/JOHO", key, "");
}

// Source texts go between double quotes as they are: no escaping.
void AppendQuoted(std::string& line, std::string_view text) {
  line += '"';
  line += text;
  line += "\",";
}

}  // namespace

int ConvertBasicInfo(RunContext& context) {
  context.LogMessage(kInformation, "基本情報を処理しています・・・");
  std::string& line = StartRecord(context, "AA010100", "1", RecordFamily::kBuildingWide);
  line += "\"\",";

  const std::string name = JohoValue(context, "//JOHO_NAME");
  if (name.empty()) context.LogMessage(kWarning, "変換元QVデータに物件名が存在しません");
  AppendQuoted(line, name);
  line += "\"\",\"\",";

  const std::string designer = JohoValue(context, "//JOHO_TNTO");
  if (designer.empty()) context.LogMessage(kWarning, "変換元QVデータに設計者名が存在しません");
  AppendQuoted(line, designer);

  AppendQuoted(line, JohoValue(context, "//JOHO_BIKO"));
  line += "\"\",1,0\n";
  return 0;
}

}  // namespace peltarix
