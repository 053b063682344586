#include "run/header_line.h"

#include "run/number_format.h"

namespace peltarix {

int BuildHeaderLine(RunContext& context) {
  std::string& header = context.output_lines.header();
  header = "\"MORVANTEL\",\"V11-01-000\",\"";
  if (const auto date = FormatTimestamp(TimestampForm::kDate, context.clock)) {
    header += *date;
  } else {
    header += "2001/01/01";
    context.LogMessage(kWarning, "日付の取得に失敗しました");
  }
  header += "\",";
  AppendInt(header, context.last_line_index());
  header += ",0,0,\"\",\"\"\n";
  return 0;
}

}  // namespace peltarix
