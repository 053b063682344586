#include "preview/preview_file.h"

#include "platform/file_replace.h"
#include "preview/plan_svg.h"

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
  return RenderPlanSvg(PlanOfRun(context, blocks), FileName(context.source_file_path));
}

std::optional<std::string> WritePreviewFile(const std::string& path, std::string_view svg) {
  FileReplacer replacer(path);
  std::optional<FileFailure> failure = replacer.Open();
  if (!failure) failure = replacer.Write(svg);
  if (!failure) failure = replacer.Commit();
  if (!failure) return std::nullopt;
  return failure->path + "：" + std::string(failure->reason_text());
}

}  // namespace peltarix
