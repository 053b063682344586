#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "hostile_run.h"
#include "support/qv_text.h"

namespace peltarix {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using testing::HostileRun;
using ::testing::Not;

// Record 1 of each kind claims two thousand million outline points, more
// than the source has lines; record 2 is sound. Read literally, the claim
// would make the converter look up and write billions of empty points.
std::string SourceWithDamagedPointCounts() {
  return testing::InfoSection() +
         "HEIMENZU\nQVDTSMR\n/HEYA\n2\nQVDTSMREND\nQVDTDTL\n"
         "/HEYA\n1\n//KAI\n1F\n//NAME\nBAD\n//PNUM\n2000000000\nENDSEC\n"
         "/HEYA\n2\n//KAI\n1F\n//NAME\nGOOD\n//PNUM\n1\n//X1\n5\n//Y1\n6\nENDSEC\n"
         "QVDTDTLEND\nHEIMENZUEND\n"
         "HAICHI_FLOOR\nQVDTSMR\n/FLOORBLK\n2\nQVDTSMREND\nQVDTDTL\n"
         "/FLOORBLK\n1\n//KAI\n1\n//PNUM\n2000000000\nENDSEC\n"
         "/FLOORBLK\n2\n//KAI\n1\n//PNUM\n4\n//X1\n0\n//Y1\n0\n//X2\n0\n//Y2\n10\n"
         "//X3\n10\n//Y3\n10\n//X4\n10\n//Y4\n0\nENDSEC\n"
         "QVDTDTLEND\nHAICHI_FLOOREND\n"
         "YANEFUSE\nQVDTSMR\n/YANE\n2\nQVDTSMREND\nQVDTDTL\n"
         "/YANE\n1\n//YANE_KOZO\n0\n//KAI\n1F\n//PNUM\n2000000000\nENDSEC\n"
         "/YANE\n2\n//YANE_KOZO\n0\n//KAI\n1F\n//KOBAI\n4\n//PNUM\n1\n//X1\n7\n//Y1\n8\nENDSEC\n"
         "QVDTDTLEND\nYANEFUSEEND\n";
}

TEST(DamagedPointCountTest, RecordIsLeftOutWithOneWarningAndTheRunGoesOn) {
  HostileRun run(SourceWithDamagedPointCounts());
  DataKindSet kinds = DataKindSet::All();
  kinds.Set(DataKind::kColumns, false);
  const int status = run.Execute(kinds);
  EXPECT_EQ(status, 0);
  testing::ExpectCompleteOrReportedFailure(run, status);

  const std::string tail =
      "件目の頂点数2000000000が変換元QVファイルの行数を超えるためコンバートしません";
  for (const std::string kind :
       {"部屋収納（自身情報）", "外周領域（自身情報）", "屋根領域（自身情報）"}) {
    const std::string warning = "WARNING！ " + kind + "の1" + tail;
    EXPECT_EQ(std::count(run.log_lines().begin(), run.log_lines().end(), warning), 1) << kind;
  }
  // The sound records of every kind are written, the damaged ones not.
  const std::string csv = run.Csv();
  EXPECT_THAT(csv, HasSubstr("\"DC020100\",1,5,0,0,30,\"\",0,\"\",0,\"\",0,0,\"(GOOD)\","));
  EXPECT_THAT(csv, Not(HasSubstr("(BAD)")));
  EXPECT_THAT(csv, HasSubstr("\"DC010100\",1,3,0,0,30,\"\",0,\"\",0,\"\",0,5,"
                             "0.00,0.00,0.0,0.00,10.00,0.0,10.00,10.00,0.0,"));
  EXPECT_THAT(csv, HasSubstr("\"AB010101\",1,6,0,0,30,\"\",0,\"\",0,\"\",0,0,40,1,"));
  EXPECT_THAT(run.log_lines(), Contains("エラー 0、警告 3"));
}

// Every record of a kind claims a few points fewer than the source has lines:
// each passes alone, but together they would have the converter look up and
// write the square of the file's size in empty points (a few hundred
// kilobytes made gigabytes). Once the claims of a kind pass the source's
// lines, the further records are refused, each with one warning.
TEST(DamagedPointCountTest, PointsOfAKindTogetherCannotOutnumberTheSourceLines) {
  constexpr int kRecords = 300;
  const struct {
    const char* kind;
    const char* section;
    const char* group;
    const char* record_keys;
    DataKind ticked;
  } cases[] = {
      {"部屋収納（自身情報）", "HEIMENZU", "/HEYA", "//KAI\n1F\n", DataKind::kRooms},
      {"屋根領域（自身情報）", "YANEFUSE", "/YANE", "//YANE_KOZO\n0\n//KAI\n1F\n",
       DataKind::kRoofs},
      {"外周領域（自身情報）", "HAICHI_FLOOR", "/FLOORBLK", "//KAI\n1\n", DataKind::kPerimeter},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    std::string records;
    for (int number = 1; number <= kRecords; ++number) {
      records += std::string(c.group) + "\n" + std::to_string(number) + "\n" + c.record_keys +
                 "//PNUM\n3000\nENDSEC\n";
    }
    std::string source = testing::InfoSection({{"//INIT_FL", "1"}}) + c.section + "\nQVDTSMR\n" +
                         c.group + "\n" + std::to_string(kRecords) + "\nQVDTSMREND\nQVDTDTL\n" +
                         records + "QVDTDTLEND\n" + c.section + "END\n";
    // 4 000 lines in all: room for the points of one record, not of two.
    const auto lines = std::count(source.begin(), source.end(), '\n');
    ASSERT_LT(lines, 4000);
    source += std::string(static_cast<std::size_t>(4000 - lines), '\n');

    HostileRun run(source);
    const int status = run.Execute(DataKindSet::Only(c.ticked));
    EXPECT_EQ(status, 0);
    testing::ExpectCompleteOrReportedFailure(run, status);
    EXPECT_EQ(run.run.context.last_line_index(), 1);
    EXPECT_THAT(run.log_lines(),
                Contains(std::string("WARNING！ ") + c.kind +
                         "の2件目までの頂点数の合計6000が変換元QVファイルの行数を超えるため"
                         "コンバートしません"));
    EXPECT_THAT(run.log_lines(), Contains("エラー 0、警告 " + std::to_string(kRecords - 1)));
  }
}

}  // namespace
}  // namespace peltarix
