// Every file the command writes follows one policy: conflicts are refused
// before anything is written, existing outputs are kept without
// --overwrite, names of any bytes reach the log, the SVG and the report
// intact, and the standard descriptors never leak into files.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "platform/console_output.h"
#include "run/shown_path.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace peltarix {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing::ReadBytes;
using testing::RunConvertInProcess;
using testing::WriteBytes;

// Two houses, a.QV and b.QV, in a folder of their own.
struct TwoHouses {
  TwoHouses() {
    WriteBytes(File("a.QV"), ReadBytes(testing::SamplePath()));
    WriteBytes(File("b.QV"), ReadBytes(testing::SamplePath()));
  }
  std::string File(const std::string& name) const { return dir.File(name); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  testing::TempDir dir;
};

// Each command would have destroyed a design file or an output of its own;
// each is refused with status 2 before any file is written.
TEST(OutputSafetyTest, ConflictingOutputsAreRefusedBeforeAnythingIsWritten) {
  const struct {
    std::vector<std::string> arguments;  // "@" stands for the houses' folder
    std::string refused;
    std::string_view reason;
  } cases[] = {
      {{"@/a.QV", "@/b.QV", "--report=@/b.QV"}, "@/b.QV", "変換元のファイルには書き込めません"},
      {{"@/a.QV", "@/b.QV", "--report=@/a.csv"},
       "@/a.csv",
       "ほかの出力と同じファイルには書き込めません"},
      {{"@/a.QV", "-o", "@/x.csv", "--preview=@/a.QV"},
       "@/a.QV",
       "変換元のファイルには書き込めません"},
      {{"@/a.QV", "--preview=@/a.csv"}, "@/a.csv", "ほかの出力と同じファイルには書き込めません"},
      {{"@/a.QV", "--preview=@/r", "--report=@/r"},
       "@/r",
       "ほかの出力と同じファイルには書き込めません"},
      {{"@/a.QV", "--report=@/c.qv"}, "@/c.qv", "QVファイルには書き込めません"},
  };
  for (const auto& c : cases) {
    TwoHouses houses;
    const auto expand = [&](std::string text) {
      if (const auto at = text.find('@'); at != std::string::npos) {
        text.replace(at, 2, houses.dir.path().string() + "/");
      }
      return text;
    };
    std::vector<std::string> arguments;
    for (const std::string& argument : c.arguments) arguments.push_back(expand(argument));
    SCOPED_TRACE(::testing::PrintToString(arguments));
    const auto result = RunConvertInProcess(arguments, "", false, UserLanguage::kJapanese);
    EXPECT_EQ(result.exit_status, 2);
    EXPECT_THAT(result.err,
                HasSubstr("peltarix-convert: " + expand(c.refused) + ": " + std::string(c.reason)));
    EXPECT_EQ(houses.Names(), (std::vector<std::string>{"a.QV", "b.QV"}));
    EXPECT_EQ(ReadBytes(houses.File("b.QV")), ReadBytes(testing::SamplePath()));
  }
}

#if !defined(_WIN32)
TEST(OutputSafetyTest, CsvLinkedToAnotherCsvOfTheBatchIsACollision) {
  TwoHouses houses;
  fs::create_symlink("b.csv", houses.dir.path() / "a.csv");
  const auto result = RunConvertInProcess({"-y", houses.File("a.QV"), houses.File("b.QV")});
  EXPECT_EQ(result.exit_status, 2);
  EXPECT_THAT(result.err, HasSubstr("would both write"));
  EXPECT_FALSE(fs::exists(houses.File("b.csv")));
}
#endif

// An existing report or SVG is kept without --overwrite: the report refuses
// the command, an SVG in a batch skips its file like an existing CSV.
TEST(OutputSafetyTest, ExistingReportAndSvgAreKeptWithoutOverwrite) {
  TwoHouses houses;
  WriteBytes(houses.File("r.json"), "keep");
  const auto report = RunConvertInProcess(
      {"-q", houses.File("a.QV"), houses.File("b.QV"), "--report=" + houses.File("r.json")});
  EXPECT_EQ(report.exit_status, 2);
  EXPECT_THAT(report.err, HasSubstr(houses.File("r.json") + " exists"));
  EXPECT_EQ(ReadBytes(houses.File("r.json")), "keep");
  EXPECT_FALSE(fs::exists(houses.File("a.csv")));

  WriteBytes(houses.File("a.svg"), "keep");
  const auto batch =
      RunConvertInProcess({"-q", "--preview", houses.File("a.QV"), houses.File("b.QV")});
  EXPECT_EQ(batch.exit_status, 1);
  EXPECT_THAT(batch.err, HasSubstr(houses.File("a.svg") + " exists; skipped"));
  EXPECT_EQ(ReadBytes(houses.File("a.svg")), "keep");
  EXPECT_FALSE(fs::exists(houses.File("a.csv")));
  EXPECT_TRUE(fs::exists(houses.File("b.csv")));
  EXPECT_TRUE(fs::exists(houses.File("b.svg")));
}

TEST(OutputSafetyTest, ReportToStandardOutputMovesTheLogToStandardError) {
  TwoHouses houses;
  const auto result = RunConvertInProcess({houses.File("a.QV"), "--report=-"});
  ASSERT_EQ(result.exit_status, 0) << result.err;
  const auto json = nlohmann::json::parse(result.out);
  EXPECT_EQ(json["files"][0]["status"], "converted");
  EXPECT_THAT(result.err, HasSubstr("△▼△正常終了しました△▼△"));
  EXPECT_EQ(RunConvertInProcess({houses.File("a.QV"), "-o", "-", "--report=-"}).exit_status, 2);
}

#if !defined(_WIN32)
// A source named in CP932 bytes (and one with a newline in its name): the
// SVG is well-formed, the report parses and names the file exactly, the log
// shows the name decoded and escaped.
TEST(OutputSafetyTest, SourceNamedInCp932BytesIsNamedReadablyAndExactly) {
  const testing::TempDir dir;
  const std::string sample = ReadBytes(testing::SamplePath());
  for (const std::string stem : {"\x89\xC6", "two\nlines"}) {  // 家 in CP932
    SCOPED_TRACE(HexBytes(stem));
    const std::string source = dir.path().string() + "/" + stem + ".QV";
    WriteBytes(source, sample);
    const std::string svg = dir.path().string() + "/" + stem + ".svg";
    const std::string report = dir.File("report.json");
    const auto result =
        RunConvertInProcess({"-y", source, "--preview=" + svg, "--report=" + report});
    ASSERT_EQ(result.exit_status, 0) << result.err;
    EXPECT_EQ(std::system(("xmllint --noout --nonet '" + svg + "'").c_str()), 0);
    const auto json = nlohmann::json::parse(ReadBytes(report));
    EXPECT_EQ(json["files"][0]["source_hex"], HexBytes(source));
    EXPECT_EQ(json["files"][0]["source"], DecodedPath(source));
    EXPECT_THAT(result.out, HasSubstr("QVファイル：" + ShownPath(source) + " → "));
    EXPECT_TRUE(IsValidUtf8(result.out));
  }
  EXPECT_THAT(ShownPath(dir.path().string() + "/\x89\xC6.QV"), HasSubstr("/家.QV"));
}

// The null device takes each closed standard descriptor, so the next file
// opened gets a descriptor above 2.
TEST(OutputSafetyTest, ClosedStandardDescriptorsAreGivenTheNullDevice) {
  const testing::TempDir dir;
  const std::string file = dir.File("probe");
  const pid_t child = fork();
  if (child == 0) {
    close(STDIN_FILENO);
    close(STDERR_FILENO);
    PrepareStandardStreams();
    const int descriptor = open(file.c_str(), O_WRONLY | O_CREAT, 0644);
    _exit(descriptor > STDERR_FILENO && fcntl(STDIN_FILENO, F_GETFD) != -1 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// Run with standard output and error closed, as cron starts programs: no
// CSV of a parallel batch may receive descriptor 1 or 2 and with it the log.
TEST(OutputSafetyTest, BatchWithClosedStandardStreamsWritesTheNormalCsvs) {
  const testing::TempDir dir;
  const std::string sample = ReadBytes(testing::SamplePath());
  fs::create_directories(dir.path() / "houses");
  // Enough files that a worker holds a file open when the log is printed.
  constexpr int kFiles = 40;
  for (int i = 0; i < kFiles; ++i) {
    WriteBytes(dir.File("houses/h" + std::to_string(i) + ".QV"), sample);
  }
  ASSERT_EQ(RunConvertInProcess({"-q", "-j", "2", dir.File("houses"), "-o", dir.File("normal")})
                .exit_status,
            0);
  const pid_t child = fork();
  if (child == 0) {
    close(STDOUT_FILENO);
    close(STDERR_FILENO);
    execl(PELTARIX_CONVERT_BINARY, PELTARIX_CONVERT_BINARY, "-j", "2", dir.File("houses").c_str(),
          "-o", dir.File("closed").c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  for (int i = 0; i < kFiles; ++i) {
    const std::string name = "/h" + std::to_string(i) + ".csv";
    const std::string csv = ReadBytes(dir.File("closed") + name);
    EXPECT_EQ(csv, ReadBytes(dir.File("normal") + name)) << name;
    EXPECT_THAT(csv, ::testing::Not(HasSubstr("☆")));
  }
}
#endif

}  // namespace
}  // namespace peltarix
