// Fuzzes a whole conversion run: validation, floor levels, the ticked
// converters, the header and the CSV write.
//
// Input: one byte whose bits tick the data kinds (bit i the kind of row i of
// kDataKindRows, in the order the run converts them), then the
// source file's bytes. Besides the sanitizers, every run is checked for what
// a user relies on: a run that reports success has written exactly the lines
// it built, each one CSV line, and a run that fails has said so in the log.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "conversion/conversion_run.h"
#include "conversion/data_kinds.h"
#include "run/progress_log.h"
#include "run/run_context.h"

namespace {

using peltarix::DataKindSet;

class DiscardingLogView : public peltarix::LogView {
 public:
  void AppendLine(std::string) override {}
  void ShowNow() override {}
  void Clear() override {}
};

// A fixed clock keeps the runs reproducible.
std::optional<std::tm> FixedTime() {
  std::tm time{};
  time.tm_year = 2008 - 1900;
  time.tm_mon = 11;
  time.tm_mday = 15;
  return time;
}

DataKindSet KindsFromByte(std::uint8_t byte) {
  static_assert(peltarix::kDataKindCount <= 8, "one byte ticks the kinds");
  DataKindSet kinds = DataKindSet::None();
  for (std::size_t bit = 0; bit < peltarix::kDataKindRows.size(); ++bit) {
    kinds.Set(peltarix::kDataKindRows[bit].kind, (byte >> bit & 1) != 0);
  }
  return kinds;
}

// One scratch directory per fuzzing process, so that parallel jobs never
// share files; removed when the process exits normally.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "peltarix-fuzz-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    path_ = pattern;
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  std::filesystem::path File(const char* name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

void WriteFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!file) std::abort();
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The file a successful run must have written: the lines with CR LF ends.
std::string ExpectedCsv(const peltarix::RunContext& context) {
  std::string bytes;
  for (int index = 0; index <= context.last_line_index(); ++index) {
    for (const char c : context.output_lines.line(index)) {
      if (c == '\n') bytes += '\r';
      bytes += c;
    }
  }
  return bytes;
}

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "run fuzzer: %s\n", what);
  std::abort();
}

void CheckRunOutcome(const peltarix::RunContext& context, int status,
                     const std::filesystem::path& destination) {
  if (status != 0) {
    Require(status == -1, "a failed run returns -1");
    Require(context.log.error_count() > 0, "a failed run logs an error");
    return;
  }
  Require(context.log.error_count() == 0, "a successful run logs no error");
  for (int index = 0; index <= context.last_line_index(); ++index) {
    const std::string_view line = context.output_lines.line(index);
    Require(!line.empty() && line.back() == '\n', "every CSV line ends with its line end");
    Require(line.find('\n') == line.size() - 1, "every record is one CSV line");
  }
  Require(ReadFile(destination) == ExpectedCsv(context), "the CSV file holds every line built");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const DataKindSet kinds = KindsFromByte(data[0]);
  static const ScratchDirectory scratch;
  const std::filesystem::path source = scratch.File("source.QV");
  const std::filesystem::path destination = scratch.File("destination.csv");
  WriteFile(source, data + 1, size - 1);

  DiscardingLogView view;
  peltarix::RunContext context(view, FixedTime);
  context.source_file_path = source.string();
  context.destination_file_path = destination.string();
  const int status = peltarix::RunConversion(context, kinds);
  CheckRunOutcome(context, status, destination);
  return 0;
}
