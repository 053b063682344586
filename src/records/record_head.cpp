#include "records/record_head.h"

#include "run/number_format.h"

namespace peltarix {

std::string& StartRecord(RunContext& context, std::string_view record_code,
                         std::string_view floor_text, RecordFamily family) {
  std::string& line = context.StartLine();
  line.clear();
  line += '"';
  line += record_code;
  line += "\",";
  line += floor_text;
  line += ',';
  line += FormatInt(context.last_line_index());
  line += ",0,0,";
  line += family == RecordFamily::kBuildingWide ? "0," : "30,";
  line += "\"\",0,\"\",0,\"\",0,";
  return line;
}

}  // namespace peltarix
