#include "conversion/conversion_run.h"

#include "run/csv_write.h"
#include "run/header_line.h"
#include "run/validation.h"

namespace peltarix {

int RunConversion(RunContext& context, const DataKindSet& kinds) {
  context.output_lines.Clear();
  context.log.ResetCounts();
  context.findings = {};
  if (const int status = ValidateSource(context); status < 0) return status;
  if (const int status = ComputeFloorLevels(context); status < 0) return status;
  for (const DataKindRow& row : kDataKindRows) {
    if (!kinds.Contains(row.kind)) continue;
    if (const int status = row.convert(context); status < 0) return status;
    // Each kind reads groups of its own: what the lookups kept for one is
    // given back before the next one's records pile up.
    context.ForgetLookups();
  }
  if (const int status = BuildHeaderLine(context); status < 0) return status;
  return WriteCsvFile(context);
}

}  // namespace peltarix
