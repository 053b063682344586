// One file on the command line: the entry function in-process with string
// streams, and a few runs of the real binary for what only a process shows
// (its real streams, a closed pipe).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_options.h"
#include "support/cli_runner.h"
#include "support/qv_text.h"
#include "support/temp_dir.h"

namespace peltarix {
namespace {

using testing::CrLfLines;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using testing::ReadBytes;
using testing::RunConvertBinary;
using testing::RunConvertInProcess;
using ::testing::StartsWith;
using testing::WriteBytes;

constexpr const char* kHeaderStart = "\"MORVANTEL\",\"V11-01-000\",\"";

TEST(ConvertCommandTest, BinaryConvertsTheSampleAndPrintsTheTranscript) {
  testing::TempDir dir;
  const std::string destination = dir.File("sample.csv");
  const auto result = RunConvertBinary({testing::SamplePath(), "-o", destination});
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_THAT(result.out, StartsWith("QVファイル：" + testing::SamplePath() + " → CSVファイル：" +
                                     destination + "\n☆☆☆コンバート開始["));
  EXPECT_THAT(result.out,
              HasSubstr("\n基本情報を処理しています・・・\n建物概要を処理しています・・・\n"));
  EXPECT_THAT(result.out, HasSubstr("\n△▼△正常終了しました△▼△\n☆☆☆コンバート終了["));
  EXPECT_THAT(result.err, StartsWith(testing::SamplePath() + ": WARNING！ "));

  const auto lines = CrLfLines(ReadBytes(destination));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_THAT(lines[0], StartsWith(kHeaderStart));
  EXPECT_THAT(lines[0], HasSubstr("\"," + std::to_string(lines.size() - 1) + ",0,0,"));
  EXPECT_THAT(lines[1], StartsWith("\"AA010100\",1,1,"));
}

// A reader that leaves at once (`| head -1`) used to end the run by SIGPIPE
// with an empty CSV and no message.
TEST(ConvertCommandTest, ClosedStandardOutputStillWritesTheCsv) {
  testing::TempDir dir;
  const std::string destination = dir.File("sample.csv");
  const auto result =
      testing::RunConvertBinaryIntoClosedPipe({testing::SamplePath(), "-o", destination});
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_THAT(ReadBytes(destination), StartsWith(kHeaderStart));
}

TEST(ConvertCommandTest, DestinationDefaultsToSourceWithCsvExtension) {
  testing::TempDir dir;
  const std::string source = dir.File("house.QV");
  WriteBytes(source, testing::InfoSection());
  EXPECT_EQ(RunConvertInProcess({"-q", source}).exit_status, 0);
  EXPECT_TRUE(std::filesystem::exists(dir.File("house.csv")));
}

TEST(ConvertCommandTest, ExistingDestinationIsReplacedOnlyWithOverwrite) {
  testing::TempDir dir;
  const std::string source = dir.File("house.QV");
  const std::string destination = dir.File("house.csv");
  WriteBytes(source, testing::InfoSection());
  WriteBytes(destination, "keep me");
  std::vector<std::string> existing_destinations{destination};
#if !defined(_WIN32)
  // A symbolic link is an existing destination even when it dangles: its
  // target would otherwise be created behind the user's back.
  std::filesystem::create_symlink(dir.File("nowhere/target.csv"), dir.File("dangling.csv"));
  existing_destinations.push_back(dir.File("dangling.csv"));
#endif

  for (const std::string& existing : existing_destinations) {
    const auto refused = RunConvertInProcess({source, "-o", existing});
    EXPECT_EQ(refused.exit_status, 2) << existing;
    EXPECT_THAT(refused.err, HasSubstr("--overwrite"));
    EXPECT_EQ(refused.out, "");
  }
  EXPECT_EQ(ReadBytes(destination), "keep me");
  EXPECT_FALSE(std::filesystem::exists(dir.File("nowhere")));

  EXPECT_EQ(RunConvertInProcess({"-y", "-q", source, "-o", destination}).exit_status, 0);
  EXPECT_THAT(ReadBytes(destination), StartsWith(kHeaderStart));
}

TEST(ConvertCommandTest, KindsSelectTheConvertersInAnyCase) {
  testing::TempDir dir;
  const std::string destination = dir.File("out.csv");
  EXPECT_EQ(RunConvertInProcess({"--kinds=", testing::SamplePath(), "-o", destination}).exit_status,
            0);
  EXPECT_EQ(CrLfLines(ReadBytes(destination)).size(), 1u) << "header only";

  // A list after "=" or as the next argument when it parses as one.
  for (const std::vector<std::string>& kinds : {std::vector<std::string>{"--kinds=Outline"},
                                                std::vector<std::string>{"--kinds", "outline"}}) {
    std::vector<std::string> arguments{"-y", testing::SamplePath(), "-o", destination};
    arguments.insert(arguments.begin(), kinds.begin(), kinds.end());
    EXPECT_EQ(RunConvertInProcess(arguments).exit_status, 0);
    const auto lines = CrLfLines(ReadBytes(destination));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_THAT(lines[1], StartsWith("\"AA010110\",1,1,"));
  }
}

TEST(ConvertCommandTest, UsageErrorsNameWhatIsWrongAndConvertNothing) {
  testing::TempDir dir;
  const std::string sample = testing::SamplePath();
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } cases[] = {
    {{"--kinds=basic,Walls", sample}, "unknown kind \"Walls\""},
    {{"--kinds=basic,", sample}, "unknown kind \"\""},
    {{"--no-such-option", sample}, "unknown option --no-such-option"},
    {{"--frobnicate"}, "unknown option --frobnicate"},
    {{}, "no SOURCE given"},
    {{"-q", "-v", sample}, "exclude each other"},
    {{"-j", "0", sample}, "--jobs takes a number from 1 to 256, not 0"},
    {{sample, "-j", "2x"}, "--jobs takes a number from 1 to 256, not 2x"},
    {{sample, "-o"}, "--output needs a value"},
    {{"--quiet=perhaps", sample}, "--quiet: this value is not allowed"},
    // A path after --kinds stays a SOURCE instead of leaving "no SOURCE given".
    {{"--kinds", sample}, "--kinds needs its list as --kinds=LIST"},
    {{sample, "--kinds"}, "--kinds needs its list as --kinds=LIST"},
    {{dir.File("missing.QV"), sample}, dir.File("missing.QV") + ": not found"},
    {{"", "-o", ""}, "変換元QVﾌｧｲﾙ名を指定してください。"},
    {{sample, "-o", ""}, "変換先CSVﾌｧｲﾙ名を指定してください。"},
    {{"-"}, "- (standard input) needs -o FILE or -o -"},
    {{"-", "-", "-o", dir.File("x.csv")}, "must be the only SOURCE"},
    {{sample, sample, "-o", "-"}, "give a single SOURCE file"},
#if !defined(_WIN32)
    {{"/dev/null"}, "/dev/null: not a regular file"},
#endif
  };
  for (const auto& c : cases) {
    const auto result = RunConvertInProcess(c.arguments);
    EXPECT_EQ(result.exit_status, 2) << c.message;
    EXPECT_THAT(result.err, HasSubstr(c.message));
    EXPECT_EQ(result.out, "") << c.message;
    for (const std::string& line : testing::LfLines(result.err)) {
      EXPECT_THAT(line, StartsWith("peltarix-convert: ")) << c.message;
    }
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(ConvertCommandTest, HelpListsKindsWithCaptionsAndExitStatuses) {
  const auto help = RunConvertInProcess({"--help"});
  EXPECT_EQ(help.exit_status, 0);
  for (const char* text : {"--overwrite", "--fail-on-warning", "--report", "-j,--jobs",
                           "columns     柱", "roofs       屋根", "Exit status", "  3  "}) {
    EXPECT_THAT(help.out, HasSubstr(text));
  }
  // -V is the version, as in the window; -v is verbose (see
  // UnwritableDestinationFailsTheRun).
  for (const char* flag : {"--version", "-V"}) {
    const auto version = RunConvertInProcess({flag});
    EXPECT_EQ(version.exit_status, 0);
    EXPECT_EQ(version.out, "peltarix-convert " PELTARIX_VERSION "\n") << flag;
  }
}

// "house.qv" for "house.QV" used to be answered "house.csv exists; use
// --overwrite", which sent the user after the wrong file.
TEST(ConvertCommandTest, MissingSourceIsNamedBeforeAnyOtherRefusal) {
  testing::TempDir dir;
  WriteBytes(dir.File("house.QV"), testing::InfoSection());
  WriteBytes(dir.File("other.QV"), testing::InfoSection());
  // Where file names ignore case, "house.qv" is house.QV itself.
  const bool names_ignore_case = std::filesystem::exists(dir.File("HOUSE.qv"));
  const std::string stem = names_ignore_case ? "gone" : "house";
  const std::string missing = dir.File(stem + ".qv");
  WriteBytes(dir.File(stem + ".csv"), "keep me");
  // Were the source there, each command would be refused for another reason.
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{missing},
        std::vector<std::string>{dir.File("other.QV"), missing, "-o", "-"}}) {
    const auto result = RunConvertInProcess(arguments);
    EXPECT_EQ(result.exit_status, 2);
    EXPECT_EQ(result.err, "peltarix-convert: " + missing + ": not found\n");
  }
  EXPECT_EQ(ReadBytes(dir.File(stem + ".csv")), "keep me");
  EXPECT_FALSE(std::filesystem::exists(dir.File("other.csv")));
}

TEST(ConvertCommandTest, ExitStatusesAsDocumented) {
  testing::TempDir dir;
  const std::string failing = dir.File("failing.QV");
  WriteBytes(failing, testing::InfoSection({{"//INIT_FL", "4"}}));
  const std::string clean = dir.File("clean.QV");
  WriteBytes(clean, testing::InfoSection());
  const std::string out = dir.File("out.csv");
  const struct {
    std::vector<std::string> arguments;
    int status;
  } cases[] = {
      {{"--kinds=outline", clean, "-o", out}, 0},
      {{"--fail-on-warning", "--kinds=outline", clean, "-o", out}, 0},
      {{testing::SamplePath(), "-o", out}, 0},  // written with warnings
      {{"--fail-on-warning", testing::SamplePath(), "-o", out}, 3},
      {{"--fail-on-warning", failing, "-o", out}, 1},
      {{"--no-such-option", clean}, 2},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments{"-y", "-q"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    EXPECT_EQ(RunConvertInProcess(arguments).exit_status, c.status)
        << ::testing::PrintToString(c.arguments);
  }
}

TEST(ConvertCommandTest, ErrorsAndWarningsAlsoGoToStderrNamingTheSource) {
  testing::TempDir dir;
  const std::string source = dir.File("house.QV");
  WriteBytes(source, testing::InfoSection({{"//INIT_FL", "4"}}));
  const std::string error_line = "ERROR！ １階～３階以外のデータはコンバートできません。";
  const auto loud = RunConvertInProcess({"-y", source});
  EXPECT_EQ(loud.exit_status, 1);
  EXPECT_THAT(loud.out, HasSubstr("\n" + error_line +
                                  "\nエラー 1、警告 0\n▲▽▲正常に終了できませんでした▲▽▲\n"));
  EXPECT_THAT(loud.err, HasSubstr(source + ": " + error_line + "\n"));

  const auto quiet = RunConvertInProcess({"-y", "-q", source});
  EXPECT_EQ(quiet.exit_status, 1);
  EXPECT_EQ(quiet.out, "");
  EXPECT_THAT(quiet.err, HasSubstr(source + ": " + error_line + "\n"));

  // Quiet keeps warnings off both streams.
  const auto warned =
      RunConvertInProcess({"-y", "-q", testing::SamplePath(), "-o", dir.File("sample.csv")});
  EXPECT_EQ(warned.exit_status, 0);
  EXPECT_EQ(warned.out + warned.err, "");
}

TEST(ConvertCommandTest, UnwritableDestinationFailsTheRun) {
  testing::TempDir dir;
  // A folder cannot be made where a file is.
  WriteBytes(dir.File("plain-file"), "");
  const std::string under_a_file = dir.File("plain-file/out.csv");
  const auto no_folder = RunConvertInProcess({testing::SamplePath(), "-o", under_a_file});
  EXPECT_EQ(no_folder.exit_status, 1);
  EXPECT_THAT(no_folder.out, HasSubstr("ERROR！ CSVファイルを開けません"));
  EXPECT_THAT(no_folder.out, Not(HasSubstr("詳細：")));
  EXPECT_THAT(no_folder.err, HasSubstr("ERROR！ CSVファイルを開けません"));
  // The failure in the usual form of command-line tools: program, path, reason.
  EXPECT_THAT(no_folder.err, HasSubstr("peltarix-convert: " + under_a_file + ": "));

  if (std::filesystem::exists("/dev/full")) {
    // A device is no file to replace; -v adds the detail line to the log.
    const auto full = RunConvertInProcess({"-v", "-y", testing::SamplePath(), "-o", "/dev/full"});
    EXPECT_EQ(full.exit_status, 1);
    EXPECT_THAT(full.out, HasSubstr("ERROR！ CSVファイルを開けません\n詳細：/dev/full："));
  }
}

TEST(ConvertCommandTest, OutputNamingAFolderTakesTheCsvOfOneSource) {
  testing::TempDir dir;
  const auto result = RunConvertInProcess({"-q", testing::SamplePath(), "-o", dir.File("")});
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_TRUE(std::filesystem::exists(dir.File("sample.csv")));
}

// "-o out/house.csv" into a folder not yet made used to fail the run,
// although a batch makes its output folder.
TEST(ConvertCommandTest, OutputIntoAMissingFolderMakesItForOneSource) {
  testing::TempDir dir;
  const std::string destination = dir.File("out/2026/house.csv");
  const auto result = RunConvertInProcess({"-q", testing::SamplePath(), "-o", destination});
  EXPECT_EQ(result.exit_status, 0) << result.err;
  EXPECT_THAT(ReadBytes(destination), StartsWith(kHeaderStart));
}

TEST(ParseKindsTest, AcceptsSubsetsInAnyOrderAndCase) {
  const auto kinds = cli::ParseKinds("ROOFS,basic");
  ASSERT_TRUE(kinds.has_value());
  EXPECT_TRUE(*kinds == DataKindSet::Only(DataKind::kBasicInfo).With(DataKind::kRoofs));
  std::string bad;
  EXPECT_FALSE(cli::ParseKinds("basic,wall", &bad).has_value());
  EXPECT_EQ(bad, "wall");
  EXPECT_EQ(cli::DefaultDestination("dir.v2/house.QV"), "dir.v2/house.csv");
  EXPECT_EQ(cli::DefaultDestination("house"), "house.csv");
}

}  // namespace
}  // namespace peltarix
