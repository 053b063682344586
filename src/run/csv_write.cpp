#include <optional>
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

// Appends `text` with each "\n" written as CR LF, handing the chunk to
// `write` whenever it has grown to kChunkBytes.
template <typename WriteChunk>
std::optional<FileFailure> AppendCrLf(std::string_view text, std::string& chunk,
                                      const WriteChunk& write) {
  while (!text.empty()) {
    const std::size_t lf = text.find('\n');
    if (lf == std::string_view::npos) {
      chunk.append(text);
      break;
    }
    chunk.append(text.data(), lf).append("\r\n");
    text.remove_prefix(lf + 1);
    if (chunk.size() >= kChunkBytes) {
      if (auto failure = write()) return failure;
    }
  }
  return std::nullopt;
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
  auto failure = AppendCrLf(lines.header(), chunk, write_chunk);
  for (std::size_t piece = 0; !failure && piece < lines.piece_count(); ++piece) {
    failure = AppendCrLf(lines.piece(piece), chunk, write_chunk);
  }
  if (!failure) failure = write_chunk();
  if (!failure) failure = file.Commit();
  if (failure) {
    return LogFileFailure(context, "CSVファイルの書き込みに失敗しました", std::move(*failure));
  }
  return 0;
}

}  // namespace peltarix
