#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "preview/plan_model.h"
#include "run/run_context.h"

namespace peltarix {

// The plan model of a finished run: its record lines and the perimeter
// blocks it listed (see RunContext::perimeter_blocks).
PlanModel PlanOfRun(const RunContext& context, const PerimeterBlocks& blocks);

// The SVG of a finished run, headed by the source's file name.
std::string RenderRunPreview(const RunContext& context, const PerimeterBlocks& blocks);

// Writes `svg` to `path` (UTF-8) through the output policy's writer, whole
// or not at all. Empty on success, else the file and why ("path：reason",
// the reason in Japanese).
std::optional<std::string> WritePreviewFile(const std::string& path, std::string_view svg);

}  // namespace peltarix
