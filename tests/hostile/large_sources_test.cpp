#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

#include "hostile_run.h"
#include "support/qv_text.h"
#include "support/test_seed.h"

namespace peltarix {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::HostileRun;

// Lines of random bytes, up to 60 long and every 500th one 300 long (read in
// two pieces); no 1A byte, which would end the file early.
std::string JunkLines(int count, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> length(0, 60);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string text;
  for (int line = 1; line <= count; ++line) {
    for (int n = line % 500 == 0 ? 300 : length(random); n > 0; --n) {
      const char c = static_cast<char>(byte(random));
      text += (c == '\n' || c == '\x1a') ? ' ' : c;
    }
    text += '\n';
  }
  return text;
}

const unsigned kJunkSeed = testing::TestSeed(7);

TEST(LargeSourceTest, TwoHundredThousandLinesOfJunkFailValidationWithOneError) {
  HostileRun run(JunkLines(200000, kJunkSeed));
  const int status = run.Execute();
  EXPECT_EQ(status, -1) << testing::SeedTrace(kJunkSeed);
  testing::ExpectCompleteOrReportedFailure(run, status);
  EXPECT_EQ(run.log_lines()[1], "ERROR！ ペントハウスのデータはコンバートできません");
}

TEST(LargeSourceTest, JunkAfterASoundBuildingLeavesEveryNumberedKindMissing) {
  HostileRun run(testing::InfoSection() + JunkLines(200000, kJunkSeed));
  const int status = run.Execute();
  EXPECT_EQ(status, 0) << testing::SeedTrace(kJunkSeed);
  testing::ExpectCompleteOrReportedFailure(run, status);
  EXPECT_EQ(run.run.context.last_line_index(), 2);
  EXPECT_EQ(run.log_lines()[run.log_lines().size() - 3], "エラー 0、警告 4");
}

// Far more columns than a fixed table of 3000 output lines could hold.
TEST(LargeSourceTest, FiftyThousandColumnsAreAllWritten) {
  constexpr int kColumns = 50000;
  std::string source = testing::InfoSection() + "HEIMENZU\nQVDTSMR\n/HASIRA\n" +
                       std::to_string(kColumns) + "\nQVDTSMREND\nQVDTDTL\n";
  for (int number = 1; number <= kColumns; ++number) {
    source += "/HASIRA\n" + std::to_string(number) + "\n//KIND\n" + (number % 2 ? "0" : "1") +
              "\n//KAI\n" + (number % 3 ? "1F" : "2F") + "\n//WDTX\n105\n//WDTY\n105\n//POSX\n" +
              std::to_string(number * 10) + "\n//POSY\n0\nENDSEC\n";
  }
  source += "QVDTDTLEND\nHEIMENZUEND\n";

  HostileRun run(source);
  const DataKindSet kinds = DataKindSet::Only(DataKind::kColumns);
  const int status = run.Execute(kinds);
  EXPECT_EQ(status, 0);
  testing::ExpectCompleteOrReportedFailure(run, status);
  ASSERT_EQ(run.run.context.last_line_index(), kColumns);
  EXPECT_EQ(run.run.context.output_lines.line(run.run.context.last_line_index()),
            "\"AD020101\",1,50000,0,0,30,\"\",0,\"\",0,\"\",0,0,0,105,105,0,1,,,,,,500000,0,"
            "400.000000,500105.000000,105.000000,3300.000000\n");
}

// A clockwise staircase of `steps` steps on a bottom edge: 2 * steps + 2
// points. Edges far apart never meet, so the twist check tests every pair.
std::string StaircaseBlock(int steps) {
  std::string block = "/FLOORBLK\n1\n//KAI\n1\n//PNUM\n" + std::to_string(2 * steps + 2) + "\n";
  int number = 0;
  const auto add = [&](int x, int y) {
    ++number;
    block += "//X" + std::to_string(number) + "\n" + std::to_string(x) + "\n//Y" +
             std::to_string(number) + "\n" + std::to_string(y) + "\n";
  };
  add(0, 0);
  for (int k = 1; k <= steps; ++k) {
    add(10 * (k - 1), 10 * k);
    add(10 * k, 10 * k);
  }
  add(10 * steps, 0);
  return block + "ENDSEC\n";
}

TEST(LargeSourceTest, PerimeterBlockOfFiveThousandPointsIsWrittenWhole) {
  const std::string source = testing::InfoSection({{"//INIT_FL", "1"}}) +
                             "HAICHI_FLOOR\nQVDTSMR\n/FLOORBLK\n1\nQVDTSMREND\nQVDTDTL\n" +
                             StaircaseBlock(2499) + "QVDTDTLEND\nHAICHI_FLOOREND\n";
  HostileRun run(source);
  const DataKindSet kinds = DataKindSet::Only(DataKind::kPerimeter);
  const int status = run.Execute(kinds);
  EXPECT_EQ(status, 0);
  testing::ExpectCompleteOrReportedFailure(run, status);
  ASSERT_EQ(run.run.context.last_line_index(), 1);
  const std::string record(run.run.context.output_lines.line(1));
  EXPECT_THAT(record, HasSubstr(",0,5001,0.00,0.00,0.0,0.00,10.00,0.0,10.00,10.00,0.0,"));
  EXPECT_THAT(record, HasSubstr(",24990.00,24990.00,0.0,24990.00,0.00,0.0,0.00,0.00,0.0,1\n"));
  EXPECT_THAT(run.log_lines(),
              ElementsAre(::testing::_, "外周領域（自身情報）を処理しています・・・",
                          "エラー 0、警告 0", testing::kRunSucceeded, ::testing::_));
}

// Blocks whose point count runs far beyond their points: the points read
// as 0, 0, and the twist check and the union paired their thousands of empty
// edges one by one (a 40 000-line file took seconds; 400 000 lines, hours).
TEST(LargeSourceTest, BlocksOfTensOfThousandsOfEmptyPointsAreMergedQuickly) {
  std::string source = testing::InfoSection({{"//INIT_FL", "1"}}) +
                       "HAICHI_FLOOR\nQVDTSMR\n/FLOORBLK\n2\nQVDTSMREND\nQVDTDTL\n"
                       "/FLOORBLK\n1\n//KAI\n1\n//PNUM\n20000\nENDSEC\n"
                       "/FLOORBLK\n2\n//KAI\n1\n//PNUM\n19000\nENDSEC\n"
                       "QVDTDTLEND\nHAICHI_FLOOREND\n";
  source += std::string(40000, '\n');
  HostileRun run(source);
  const DataKindSet kinds = DataKindSet::Only(DataKind::kPerimeter);
  const auto start = std::chrono::steady_clock::now();
  const int status = run.Execute(kinds);
  // A fraction of a second even under the sanitizers; the pairing took
  // half a minute there.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_EQ(status, 0);
  testing::ExpectCompleteOrReportedFailure(run, status);
  ASSERT_EQ(run.run.context.last_line_index(), 1);
  EXPECT_THAT(run.run.context.output_lines.line(1),
              HasSubstr(",0,20001,0.00,0.00,0.0,0.00,0.00,0.0,"));
}

}  // namespace
}  // namespace peltarix
