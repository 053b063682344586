#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "support/cli_runner.h"
#include "support/convert_child.h"
#include "support/qv_text.h"
#include "support/temp_dir.h"

namespace peltarix {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing::ReadBytes;
using testing::WriteBytes;

constexpr const char* kEarlierCsv = "earlier CSV\r\n";

std::vector<fs::path> TempFiles(const testing::TempDir& dir) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    if (entry.path().filename().string().starts_with(".peltarix-")) files.push_back(entry.path());
  }
  return files;
}

// True once a temporary file with data in it stands in `dir`.
bool WritingHasBegun(const testing::TempDir& dir) {
  std::error_code error;
  for (const fs::path& file : TempFiles(dir)) {
    if (fs::file_size(file, error) > 0 && !error) return true;
  }
  return false;
}

// A process ended by a signal while it writes a large CSV leaves the
// destination with its earlier bytes or the whole new CSV, never a part;
// after the signals a user or a session sends, no temporary file is left.
TEST(InterruptedWriteTest, SignalDuringTheWriteLeavesTheOldOrTheCompleteCsv) {
  const testing::TempDir dir;
  const std::string source = dir.File("big.QV");
  const std::string destination = dir.File("big.csv");
  WriteBytes(source, testing::ManyColumnsSource(testing::InfoSection(), 100000));
  const testing::CliResult complete =
      testing::RunConvertBinary({"-q", source, "-o", dir.File("complete.csv")});
  ASSERT_EQ(complete.exit_status, 0) << complete.err;
  const std::string complete_csv = ReadBytes(dir.File("complete.csv"));

  for (const int signal_number : {SIGKILL, SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal_number);
    WriteBytes(destination, kEarlierCsv);
    testing::ConvertChild child({"-q", "-y", source, "-o", destination}, dir.File("log.txt"));
    while (!child.Exited() && !WritingHasBegun(dir)) std::this_thread::yield();
    child.Signal(signal_number);
    const int status = child.Wait();
    const std::string csv = ReadBytes(destination);
    EXPECT_TRUE(csv == kEarlierCsv || csv == complete_csv) << csv.size() << " bytes";
    if (signal_number == SIGKILL) {
      for (const fs::path& file : TempFiles(dir)) fs::remove(file);
    } else {
      EXPECT_TRUE(TempFiles(dir).empty());
      if (WIFSIGNALED(status)) {
        EXPECT_EQ(WTERMSIG(status), signal_number);
      }
    }
  }
}

// A file-size limit makes the write fail: the run reports it, and the
// earlier CSV stays as it was.
TEST(InterruptedWriteTest, FailedWriteKeepsTheEarlierCsvAndNamesTheReason) {
  const testing::TempDir dir;
  const std::string destination = dir.File("sample.csv");
  WriteBytes(destination, kEarlierCsv);
  testing::ConvertChild child({"-v", "-y", testing::SamplePath(), "-o", destination},
                              dir.File("log.txt"), std::nullopt, 2048);
  const int status = child.Wait();
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  const std::string log = ReadBytes(dir.File("log.txt"));
  EXPECT_THAT(log, HasSubstr("ERROR！ CSVファイルの書き込みに失敗しました\n詳細：" + destination +
                             "：ファイルサイズの上限を超えました\n"));
  EXPECT_THAT(log, HasSubstr("▲▽▲正常に終了できませんでした▲▽▲"));
  EXPECT_EQ(ReadBytes(destination), kEarlierCsv);
  EXPECT_TRUE(TempFiles(dir).empty());
}

// The report goes through the same replace: a write that fails keeps the
// earlier report whole (it was written in place and left empty).
TEST(InterruptedWriteTest, FailedReportKeepsTheEarlierReportAndSaysWhy) {
  const testing::TempDir dir;
  const std::string report = dir.File("report.json");
  WriteBytes(report, "earlier report");
  // Room for the header-only CSV and the log, not for the report's 1 KB.
  testing::ConvertChild child({"-v", "-y", "--kinds=", testing::SamplePath(), "-o",
                               dir.File("sample.csv"), "--report=" + report},
                              dir.File("log.txt"), std::nullopt, 700);
  const int status = child.Wait();
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_THAT(ReadBytes(dir.File("log.txt")),
              HasSubstr("ERROR！ レポートのJSONファイルを書き込めません\n詳細：" + report +
                        "：ファイルサイズの上限を超えました\n"));
  EXPECT_EQ(ReadBytes(report), "earlier report");
  EXPECT_TRUE(TempFiles(dir).empty());
}

}  // namespace
}  // namespace peltarix
