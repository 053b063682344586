#include <string>
#include <string_view>

#include "platform/file_replace.h"
#include "run/csv_write.h"
#include "run/file_failure_log.h"

namespace peltarix {
namespace {

// The CSV goes to the file in pieces of about this size, so that it never
// stands in memory twice.
constexpr std::size_t kChunkBytes = std::size_t{1} << 16;

// Appends `line` with each "\n" written as CR LF.
void AppendCrLf(std::string_view line, std::string& chunk) {
  std::size_t start = 0;
  for (std::size_t lf = line.find('\n'); lf != std::string_view::npos;
       start = lf + 1, lf = line.find('\n', start)) {
    chunk.append(line.substr(start, lf - start)).append("\r\n");
  }
  chunk.append(line.substr(start));
}

}  // namespace

int WriteCsvFile(RunContext& context) {
  // A new file beside the destination, renamed over it once complete: a run
  // that fails here, or a process killed meanwhile, leaves the destination
  // as it was.
  FileReplacer file(context.destination_file_path);
  if (auto failure = file.Open()) {
    return LogFileFailure(context, "CSVファイルを開けません", std::move(*failure));
  }
  std::string chunk;
  chunk.reserve(kChunkBytes * 2);
  const auto write_chunk = [&] {
    auto failure = file.Write(chunk);
    chunk.clear();
    return failure;
  };
  const OutputLines& lines = context.output_lines;
  for (int index = 0; index <= lines.last_line_index(); ++index) {
    AppendCrLf(lines.line(index), chunk);
    if (chunk.size() < kChunkBytes) continue;
    if (auto failure = write_chunk()) {
      return LogFileFailure(context, "CSVファイルの書き込みに失敗しました", std::move(*failure));
    }
  }
  auto failure = write_chunk();
  if (!failure) failure = file.Commit();
  if (failure) {
    return LogFileFailure(context, "CSVファイルの書き込みに失敗しました", std::move(*failure));
  }
  return 0;
}

}  // namespace peltarix
