#include "records/record_head.h"

namespace peltarix {

RecordLineWriter StartRecord(RunContext& context, std::string_view record_code,
                             std::string_view floor_text, RecordFamily family) {
  std::string& line = context.StartLine();
  line.clear();
  RecordLineWriter writer(line);
  writer.Quoted(record_code).Raw(floor_text).Integer(context.last_line_index());
  writer.Integer(0).Integer(0).Integer(family == RecordFamily::kBuildingWide ? 0 : 30);
  for (int text = 0; text < 3; ++text) writer.Quoted("").Integer(0);
  return writer;
}

}  // namespace peltarix
