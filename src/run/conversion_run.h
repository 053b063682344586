#pragma once

#include "run/data_kinds.h"
#include "run/run_context.h"

namespace peltarix {

// One conversion from the context's source path to its destination path:
// validation, floor levels, the ticked converters in their fixed order, the
// header and the CSV write. 0 when the CSV file was written, else -1 after
// the failure has been logged.
int RunConversion(RunContext& context, const DataKinds& kinds);

// Checks, in order, that the source and destination open and that the
// building is a wooden one of one to three storeys without penthouse or
// basement. Reads the source into the context. -1 after logging one error.
int ValidateSource(RunContext& context);

// Sets the floor count, the foundation height and levels 1 to 4.
int ComputeFloorLevels(RunContext& context);

// Sets line 0 of the output: program, format version, date, record count.
int BuildHeaderLine(RunContext& context);

// Writes lines 0 .. last line to the destination with CR LF line ends.
int WriteCsvFile(RunContext& context);

}  // namespace peltarix
