#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "conversion/data_kinds.h"
#include "run/run_context.h"

namespace peltarix {

inline constexpr std::string_view kEmptySourceNameMessage = "変換元QVﾌｧｲﾙ名を指定してください。";
inline constexpr std::string_view kEmptyDestinationNameMessage =
    "変換先CSVﾌｧｲﾙ名を指定してください。";

// The notice for an empty file name, the source checked first; empty when
// both names are given. Front ends show it instead of starting a run.
[[nodiscard]] std::optional<std::string_view> EmptyNameMessage(std::string_view source_path,
                                                               std::string_view destination_path);

// Work on the result of a run that wrote its CSV: the files a front end
// writes besides it (the command line's picture) or the plan picture a window
// shows. It runs inside the run's error boundary, before the count line, and
// returns 0, or -1 after logging the error and its detail line, which fails
// the run.
using AfterConversion = std::function<int(RunContext& context)>;

inline constexpr std::string_view kAfterConversionError =
    "予期しないエラーが発生したためプレビューを作成できませんでした";

// One press of the execute button with both names given: clears the log,
// logs the start banner, runs the conversion (and `after_success` when it
// wrote the CSV), then logs the count line, the result line and the end
// banner. Returns the run's status. An exception other than memory
// exhaustion from `after_success` is logged as kAfterConversionError; the
// status stays 0, the CSV being whole.
int RunWithTranscript(RunContext& context, const DataKindSet& kinds,
                      const AfterConversion& after_success = {});

// The whole transcript of a run that could not even start for lack of
// memory, as RunWithTranscript ends one that ran out: start banner, the
// error and its detail line (naming the source), count line, failure line,
// end banner. For a front end that caught the exhaustion around a run; it
// may throw std::bad_alloc again when memory is still short.
void LogOutOfMemoryRun(RunContext& context);

}  // namespace peltarix
