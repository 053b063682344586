#include "records/record_head.h"

namespace peltarix {

RecordLineWriter StartRecord(RunContext& context, const RecordLayout& layout,
                             std::string_view floor_text) {
  context.output_lines.StartLine();
  RecordLineWriter writer(context.output_lines);
  writer.Quoted(layout.code).Raw(floor_text).Integer(context.last_line_index());
  // Fields 4 to 12: two zeros, the family's constant, and three empty
  // quoted texts each followed by 0.
  if (layout.family == RecordFamily::kBuildingWide) {
    writer.RawFields("0,0,0,\"\",0,\"\",0,\"\",0", 9);
  } else {
    writer.RawFields("0,0,30,\"\",0,\"\",0,\"\",0", 9);
  }
  return writer;
}

}  // namespace peltarix
