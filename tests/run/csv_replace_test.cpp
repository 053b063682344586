#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/file_run.h"
#include "support/qv_text.h"

namespace peltarix {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using testing::FileRun;
using testing::InfoSection;
using ::testing::IsEmpty;
using testing::ReadBytes;
using testing::WriteBytes;

constexpr const char* kEarlierCsv = "earlier CSV\r\n";

// Runs that stop, at validation or later, leave an earlier CSV exactly as it
// was and no temporary file beside it.
TEST(CsvReplaceTest, StoppedRunKeepsTheEarlierCsvByteForByte) {
  const struct {
    std::string source;
    const char* error;
  } cases[] = {
      {InfoSection({{"//JOHO_KOZO", "RC"}}),
       "ERROR！ 主たる構造がWOOD以外なのでコンバートできません"},
      {InfoSection({{"//INIT_PH", "1"}}), "ERROR！ ペントハウスのデータはコンバートできません"},
      {InfoSection({{"//INIT_FL", "5"}}), "ERROR！ １階～３階以外のデータはコンバートできません。"},
  };
  for (const auto& c : cases) {
    FileRun run(c.source);
    WriteBytes(run.destination, kEarlierCsv);
    EXPECT_EQ(run.Execute(), -1);
    EXPECT_EQ(run.log_lines()[1], c.error);
    EXPECT_EQ(run.Csv(), kEarlierCsv);
    EXPECT_THAT(run.LeftoverTempFiles(), IsEmpty());
  }
}

TEST(CsvReplaceTest, ReplacedFileKeepsItsPermissionBitsAndNewOnesFollowTheUmask) {
  FileRun run(InfoSection());
  WriteBytes(run.destination, kEarlierCsv);
  fs::permissions(run.destination, fs::perms::owner_read | fs::perms::owner_write |
                                       fs::perms::group_read | fs::perms::others_read);
  ASSERT_EQ(run.Execute(DataKindSet::None()), 0);
  EXPECT_THAT(run.Csv(), ::testing::StartsWith("\"MORVANTEL\""));
  EXPECT_EQ(fs::status(run.destination).permissions() & fs::perms::all, fs::perms(0644));
  fs::permissions(run.destination, fs::perms(0600));
  ASSERT_EQ(run.Execute(DataKindSet::None()), 0);
  EXPECT_EQ(fs::status(run.destination).permissions() & fs::perms::all, fs::perms(0600));

  const mode_t mask = umask(022);
  umask(mask);
  fs::remove(run.destination);
  ASSERT_EQ(run.Execute(DataKindSet::None()), 0);
  EXPECT_EQ(fs::status(run.destination).permissions() & fs::perms::all, fs::perms(0666 & ~mask));
  EXPECT_THAT(run.LeftoverTempFiles(), IsEmpty());
}

TEST(CsvReplaceTest, LinkedDestinationKeepsTheLinkAndReplacesItsTarget) {
  for (const bool dangling : {false, true}) {
    FileRun run(InfoSection());
    const std::string target = run.dir.File("real.csv");
    if (!dangling) WriteBytes(target, kEarlierCsv);
    fs::create_symlink("real.csv", run.destination);
    ASSERT_EQ(run.Execute(DataKindSet::None()), 0) << dangling;
    EXPECT_TRUE(fs::is_symlink(run.destination));
    EXPECT_EQ(fs::read_symlink(run.destination), "real.csv");
    EXPECT_THAT(ReadBytes(target), ::testing::StartsWith("\"MORVANTEL\""));
  }
}

// A destination named like a design file, or linked to one, would lose the
// design to CSV text.
TEST(CsvReplaceTest, DesignFileAsDestinationIsRefused) {
  for (const char* name : {"other.QV", "other.qv", "other.Qv", "other.QV.", "link.csv"}) {
    FileRun run(InfoSection());
    const std::string design = run.dir.File("other.QV");
    WriteBytes(design, "design");
    if (std::string_view(name) == "link.csv") fs::create_symlink("other.QV", run.dir.File(name));
    run.run.context.destination_file_path = run.dir.File(name);
    EXPECT_EQ(run.Execute(), -1) << name;
    EXPECT_THAT(run.log_lines(),
                ElementsAre(::testing::_, "ERROR！ 出力先CSVファイルにQVファイルは指定できません",
                            "エラー 1、警告 0", ::testing::_, ::testing::_))
        << name;
    EXPECT_EQ(ReadBytes(design), "design");
  }
}

// Each destination that cannot be written is named with its reason, and
// nothing is created or changed.
TEST(CsvReplaceTest, UnwritableDestinationIsReportedWithItsReason) {
  const struct {
    std::string name;
    const char* reason;
  } cases[] = {
      {"missing/house.csv", "フォルダが見つかりません"},
      {"folder", "ファイルではなくフォルダです"},
      {"house.QV/house.csv", "パスの途中にフォルダでないものがあります"},
      {"/dev/null", "通常のファイルではありません"},
      {"read-only.csv", "アクセスが許可されていません"},
      {std::string(300, 'n') + ".csv", "ファイル名が長すぎます"},
  };
  for (const auto& c : cases) {
    if (c.name == "read-only.csv" && geteuid() == 0) continue;  // root may write anyway
    FileRun run(InfoSection());
    fs::create_directory(run.dir.File("folder"));
    WriteBytes(run.dir.File("read-only.csv"), kEarlierCsv);
    fs::permissions(run.dir.File("read-only.csv"), fs::perms::owner_read);
    const std::string path = c.name[0] == '/' ? c.name : run.dir.File(c.name);
    SCOPED_TRACE(path);
    run.run.context.destination_file_path = path;
    EXPECT_EQ(run.Execute(), -1);
    EXPECT_THAT(run.log_lines(), ElementsAre(::testing::_, "ERROR！ CSVファイルを開けません",
                                             "詳細：" + path + "：" + c.reason, "エラー 1、警告 0",
                                             ::testing::_, ::testing::_));
    ASSERT_TRUE(run.run.context.last_file_failure.has_value());
    EXPECT_EQ(run.run.context.last_file_failure->path, path);
    EXPECT_EQ(run.run.context.last_file_failure->reason_text(), c.reason);
    EXPECT_EQ(ReadBytes(run.dir.File("read-only.csv")), kEarlierCsv);
    EXPECT_FALSE(fs::exists(run.dir.File("missing")));
    EXPECT_THAT(run.LeftoverTempFiles(), IsEmpty());
  }
}

}  // namespace
}  // namespace peltarix
