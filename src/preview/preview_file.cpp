#include "preview/preview_file.h"

#include "preview/plan_svg.h"
#include "run/output_policy.h"
#include "run/shown_path.h"

namespace peltarix {
namespace {

std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

PlanModel PlanOfRun(const RunContext& context, const PerimeterBlocks& blocks) {
  PlanModel model = BuildPlanModel(context.output_lines, blocks);
  model.findings = context.findings;
  return model;
}

std::string RenderRunPreview(const RunContext& context, const PerimeterBlocks& blocks) {
  // A name in CP932 bytes would make the SVG malformed: it is decoded.
  return RenderPlanSvg(PlanOfRun(context, blocks), ShownPath(FileName(context.source_file_path)));
}

std::optional<std::string> WritePreviewFile(const std::string& path, std::string_view svg) {
  const std::optional<FileFailure> failure = WriteOutputFile(path, svg);
  if (!failure) return std::nullopt;
  return ShownPath(failure->path) + "：" + std::string(failure->reason_text());
}

}  // namespace peltarix
