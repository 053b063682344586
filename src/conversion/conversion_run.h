#pragma once

#include "conversion/data_kinds.h"
#include "run/run_context.h"

namespace peltarix {

// One conversion from the context's source path to its destination path:
// validation, floor levels, the converters of `kinds` in the order of
// kDataKindRows, the header and the CSV write. 0 when the CSV file was
// written, else -1 after the failure has been logged.
[[nodiscard]] int RunConversion(RunContext& context, const DataKindSet& kinds);

}  // namespace peltarix
