// Many files in one command: folders, output folders, parallel runs, the
// summary line, the JSON report and the standard streams.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <thread>

#include "cli/parallel_runs.h"
#include "cli/standard_streams.h"
#include "support/cli_runner.h"
#include "support/qv_text.h"
#include "support/temp_dir.h"

namespace peltarix {
namespace {

using ::testing::HasSubstr;
using testing::ReadBytes;
using testing::RunConvertInProcess;
using testing::WriteBytes;

std::string SampleBytes() { return ReadBytes(testing::SamplePath()); }

// The sample cut after its first `fraction` of bytes: it still converts,
// with warnings for what is missing.
std::string DamagedSample() {
  const std::string sample = SampleBytes();
  return sample.substr(0, sample.find('\n', sample.size() * 2 / 3) + 1);
}

// A folder of made-up houses: the sample, a damaged copy, a house of the
// building data only, one in a sub-folder, and a file that is no house.
struct HouseFolder {
  HouseFolder() {
    std::filesystem::create_directories(dir.path() / "houses" / "annex");
    WriteBytes(File("a.QV"), SampleBytes());
    WriteBytes(File("b.qv"), DamagedSample());
    WriteBytes(File("c.Qv"), testing::InfoSection());
    WriteBytes(File("annex/d.QV"), SampleBytes());
    WriteBytes(File("notes.txt"), "not a house");
  }
  std::string File(const std::string& name) const { return dir.File("houses/" + name); }
  std::string Folder() const { return dir.File("houses"); }

  testing::TempDir dir;
};

std::string SingleRunCsv(const std::string& source, const testing::TempDir& scratch) {
  const std::string destination = scratch.File("single.csv");
  EXPECT_NE(RunConvertInProcess({"-q", "-y", source, "-o", destination}).exit_status, 2);
  return ReadBytes(destination);
}

TEST(BatchCommandTest, FolderWithTwoJobsWritesEachCsvAsASingleRunWould) {
  HouseFolder houses;
  const std::string out = houses.dir.File("out");
  const auto result = RunConvertInProcess({"-r", "-j", "2", houses.Folder(), "-o", out});
  EXPECT_EQ(result.exit_status, 0) << result.err;
  const testing::TempDir scratch;
  for (const char* name : {"a", "b", "c", "annex/d"}) {
    const std::string csv = ReadBytes(out + "/" + name + ".csv");
    EXPECT_FALSE(csv.empty()) << name;
    const std::string source = houses.File(std::string(name) + (name[0] == 'b'   ? ".qv"
                                                                : name[0] == 'c' ? ".Qv"
                                                                                 : ".QV"));
    EXPECT_EQ(csv, SingleRunCsv(source, scratch)) << name;
  }
  EXPECT_FALSE(std::filesystem::exists(out + "/notes.csv"));

  // Without -r the sub-folder stays out.
  const auto flat = RunConvertInProcess({"-q", houses.Folder(), "-o", houses.dir.File("flat")});
  EXPECT_EQ(flat.exit_status, 0);
  EXPECT_FALSE(std::filesystem::exists(houses.dir.File("flat/annex")));
}

TEST(BatchCommandTest, TranscriptsComeInArgumentOrderWholeAndNamed) {
  HouseFolder houses;
  const auto result = RunConvertInProcess(
      {"-j", "2", houses.File("c.Qv"), houses.File("a.QV"), houses.File("b.qv")});
  const std::string& log = result.out;
  const std::size_t c = log.find("QVファイル：" + houses.File("c.Qv") + " → CSVファイル：" +
                                 houses.File("c.csv") + "\n☆☆☆コンバート開始[");
  const std::size_t a = log.find("QVファイル：" + houses.File("a.QV"));
  const std::size_t b = log.find("QVファイル：" + houses.File("b.qv"));
  ASSERT_NE(c, std::string::npos) << log;
  EXPECT_LT(c, a);
  EXPECT_LT(a, b);
  // Whole: exactly one end banner between one heading and the next.
  const std::string first = log.substr(c, a - c);
  EXPECT_EQ(first.find("コンバート終了"), first.rfind("コンバート終了"));
  EXPECT_NE(first.find("コンバート終了"), std::string::npos);
}

TEST(BatchCommandTest, DeliveryOrderIsFixedWhateverFinishesFirst) {
  constexpr std::size_t kCount = 5;
  std::vector<std::size_t> delivered;
  std::size_t last_progress = 0;
  cli::RunInParallel(
      kCount, 3,
      [](std::size_t index) {
        // The first files take longest, so they finish last.
        std::this_thread::sleep_for(std::chrono::milliseconds(10 * (kCount - index)));
        cli::FileOutcome outcome;
        outcome.errors = static_cast<int>(index);
        return outcome;
      },
      [&](std::size_t index, cli::FileOutcome& outcome) {
        EXPECT_EQ(outcome.errors, static_cast<int>(index));
        delivered.push_back(index);
      },
      [&](std::size_t done) {
        EXPECT_GT(done, last_progress);
        last_progress = done;
      });
  EXPECT_EQ(delivered, (std::vector<std::size_t>{0, 1, 2, 3, 4}));
  EXPECT_EQ(last_progress, kCount);
}

TEST(BatchCommandTest, SummaryAndReportForADamagedAndAFailingFile) {
  HouseFolder houses;
  const std::string failing = houses.File("failing.QV");
  WriteBytes(failing, testing::InfoSection({{"//JOHO_KOZO", "RC"}}));
  const std::string report = houses.dir.File("report.json");
  const std::string out = houses.dir.File("out");
  const auto result = RunConvertInProcess(
      {"--report=" + report, houses.File("a.QV"), houses.File("b.qv"), failing, "-o", out});
  EXPECT_EQ(result.exit_status, 1);
  // std::regex: googletest's own regular expressions lack brackets on Windows.
  EXPECT_TRUE(std::regex_search(
      result.out, std::regex("\n2 files converted, 1 failed, 0 skipped, [0-9]+ warnings, "
                             "[0-9]+\\.[0-9][0-9] s\n$")))
      << result.out;

  const auto json = nlohmann::json::parse(ReadBytes(report));
  ASSERT_EQ(json["files"].size(), 3u);
  const auto& sample = json["files"][0];
  EXPECT_EQ(sample["source"], houses.File("a.QV"));
  EXPECT_EQ(sample["destination"], houses.dir.File("out/a.csv"));
  EXPECT_EQ(sample["status"], "converted");
  EXPECT_EQ(sample["errors"], 0);
  EXPECT_EQ(sample["warnings"], 2);
  EXPECT_EQ(sample["records"]["AA010100"], 1);
  EXPECT_EQ(sample["records"]["AD020101"], 8);
  EXPECT_EQ(sample["log"][0]["severity"], "information");
  EXPECT_EQ(json["files"][1]["status"], "converted");
  EXPECT_GT(json["files"][1]["warnings"], 0);
  const auto& failed = json["files"][2];
  EXPECT_EQ(failed["status"], "failed");
  EXPECT_EQ(failed["errors"], 1);
  EXPECT_TRUE(failed["records"].empty());
  EXPECT_THAT(failed["log"].dump(), HasSubstr("\"severity\":\"error\""));
  EXPECT_THAT(failed["log"].dump(), HasSubstr("主たる構造がWOOD以外なのでコンバートできません"));
  EXPECT_EQ(json["summary"]["converted"], 2);
  EXPECT_EQ(json["summary"]["failed"], 1);
  EXPECT_EQ(json["summary"]["warnings"],
            sample["warnings"].get<int>() + json["files"][1]["warnings"].get<int>());
}

TEST(BatchCommandTest, ExistingCsvIsSkippedAndTheRestConverted) {
  HouseFolder houses;
  WriteBytes(houses.File("a.csv"), "keep me");
  const auto result = RunConvertInProcess({"-q", houses.Folder()});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_THAT(result.err, HasSubstr(houses.File("a.csv") + " exists; skipped"));
  EXPECT_EQ(ReadBytes(houses.File("a.csv")), "keep me");
  EXPECT_TRUE(std::filesystem::exists(houses.File("b.csv")));
  EXPECT_EQ(RunConvertInProcess({"-q", "-y", houses.Folder()}).exit_status, 0);
  EXPECT_NE(ReadBytes(houses.File("a.csv")), "keep me");
}

TEST(BatchCommandTest, TwoSourcesWritingOneCsvAreRefusedBeforeAnyRun) {
  HouseFolder houses;
  const std::string out = houses.dir.File("out");
  const auto result = RunConvertInProcess(
      {houses.File("a.QV"), houses.File("annex/d.QV"), houses.File("annex/../a.QV"), "-o", out});
  EXPECT_EQ(result.exit_status, 2);
  EXPECT_THAT(result.err, HasSubstr("would both write"));
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(BatchCommandTest, StandardInputToStandardOutputMatchesTheFileRun) {
  const testing::TempDir scratch;
  const auto result = RunConvertInProcess({"-", "-o", "-"}, SampleBytes());
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(result.out, SingleRunCsv(testing::SamplePath(), scratch));
  EXPECT_THAT(result.err, HasSubstr("QVファイル：標準入力 → CSVファイル：標準出力\n☆☆☆"));
  EXPECT_THAT(result.err, HasSubstr("△▼△正常終了しました△▼△"));

  const std::string destination = scratch.File("from-stdin.csv");
  EXPECT_EQ(RunConvertInProcess({"-q", "-", "-o", destination}, SampleBytes()).exit_status, 0);
  EXPECT_EQ(ReadBytes(destination), SingleRunCsv(testing::SamplePath(), scratch));

  // A failed run sends nothing to standard output.
  const auto failed = RunConvertInProcess({"-", "-o", "-"}, "not a house\n");
  EXPECT_EQ(failed.exit_status, 1);
  EXPECT_EQ(failed.out, "");
}

TEST(BatchCommandTest, ProgressLineOnlyWhenStandardErrorIsATerminal) {
  HouseFolder houses;
  const auto terminal = RunConvertInProcess({"-y", houses.Folder()}, "", true);
  EXPECT_THAT(terminal.err, HasSubstr("\r3/3 files"));
  const auto piped = RunConvertInProcess({"-y", houses.Folder()}, "", false);
  EXPECT_THAT(piped.err, ::testing::Not(HasSubstr("files")));
}

TEST(StandardStreamsTest, StandardInputIsReadOnlyOneByteBeyondTheLimit) {
  const testing::TempDir dir;
  std::istringstream in(std::string(100, 'x'));
  ASSERT_TRUE(cli::CopyStreamToFile(in, dir.File("kept"), 10));
  EXPECT_EQ(ReadBytes(dir.File("kept")).size(), 11u);
}

}  // namespace
}  // namespace peltarix
