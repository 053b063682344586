#include "preview/preview_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "preview/plan_svg.h"

namespace peltarix {
namespace {

std::filesystem::path FilePath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

PlanModel PlanOfRun(const RunContext& context, const PerimeterBlocks& blocks) {
  return BuildPlanModel(context.output_lines, blocks);
}

std::string RenderRunPreview(const RunContext& context, const PerimeterBlocks& blocks) {
  return RenderPlanSvg(PlanOfRun(context, blocks), FileName(context.source_file_path));
}

std::optional<std::string> WritePreviewFile(const std::string& path, std::string_view svg) {
  const std::filesystem::path target = FilePath(path);
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return path + ": the file cannot be created";
    out.write(svg.data(), static_cast<std::streamsize>(svg.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return path + ": the file cannot be written";
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return path + ": " + error.message();
  }
  return std::nullopt;
}

}  // namespace peltarix
