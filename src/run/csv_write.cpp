#include <cstdio>
#include <memory>
#include <string>

#include "platform/file_open.h"
#include "run/conversion_run.h"

namespace peltarix {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// The CSV bytes: the lines as built, each "\n" written as CR LF.
std::string CsvBytes(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 1;
  std::string bytes;
  bytes.reserve(size);
  for (const std::string_view line : lines) {
    std::size_t start = 0;
    for (std::size_t lf = line.find('\n'); lf != std::string_view::npos;
         start = lf + 1, lf = line.find('\n', start)) {
      bytes.append(line.substr(start, lf - start)).append("\r\n");
    }
    bytes.append(line.substr(start));
  }
  return bytes;
}

}  // namespace

int WriteCsvFile(RunContext& context) {
  const std::string& path = context.destination_file_path;
  std::FILE* file = platform::OpenFile(path, "wb");
  if (file == nullptr) {
    context.LogMessage(kError, "CSVファイルを開けません");
    return -1;
  }
  const std::string bytes = CsvBytes(context.output_lines);
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = std::fflush(file) == 0 && written;
  written = std::fclose(file) == 0 && written;
  if (!written) {
    // Leave no partial file that could pass for a complete one.
    std::unique_ptr<std::FILE, FileCloser> emptied(platform::OpenFile(path, "wb"));
    context.LogMessage(kError, "CSVファイルの書き込みに失敗しました");
    return -1;
  }
  return 0;
}

}  // namespace peltarix
