#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
  DataKinds kinds;
  kinds.columns = false;
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

}  // namespace
}  // namespace peltarix
