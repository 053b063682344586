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

// Work on the result of a run that wrote its CSV, such as building its plan
// picture. It runs inside the run's error boundary, before the count line.
using AfterConversion = std::function<void(RunContext& context)>;

inline constexpr std::string_view kAfterConversionError =
    "予期しないエラーが発生したためプレビューを作成できませんでした";

// One press of the execute button with both names given: clears the log,
// logs the start banner, runs the conversion (and `after_success` when it
// wrote the CSV), then logs the count line, the result line and the end
// banner. Returns the run's status. An exception from `after_success` is
// logged as kAfterConversionError; the status stays 0, the CSV being whole.
int RunWithTranscript(RunContext& context, const DataKindSet& kinds,
                      const AfterConversion& after_success = {});

}  // namespace peltarix
