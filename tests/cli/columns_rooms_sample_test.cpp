#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace peltarix {
namespace {

using testing::CrLfLines;
using testing::Fields;

class ColumnsRoomsSample : public ::testing::Test {
 protected:
  // Runs the command line on the sample with --kinds=`kinds`; returns the
  // exit status and keeps the written file's bytes and the terminal output.
  int Convert(const std::string& kinds) {
    const std::string destination = dir_.File("sample.csv");
    const auto result = testing::RunConvertBinary(
        {"--kinds=" + kinds, "-y", testing::SamplePath(), "-o", destination});
    csv_ = testing::ReadBytes(destination);
    output_ = result.out + result.err;
    return result.exit_status;
  }

  testing::TempDir dir_;
  std::string csv_;
  std::string output_;
};

// examples/sample.QV holds nine columns, one of them of kind 9, and eight
// rooms; its levels are 400 (foundation), 3300 and 6100.
constexpr std::size_t kSampleColumnRecords = 8;
constexpr std::size_t kSampleRoomRecords = 8;

// Checks that lines `first` onward are the sample's column records and then
// its room records, each with its line number as serial number and the
// field count of its layout.
void ExpectColumnThenRoomRecords(const std::vector<std::string>& lines, std::size_t first) {
  ASSERT_EQ(lines.size(), first + kSampleColumnRecords + kSampleRoomRecords);
  for (std::size_t i = first; i < lines.size(); ++i) {
    SCOPED_TRACE(lines[i]);
    const std::vector<std::string> fields = Fields(lines[i]);
    ASSERT_GE(fields.size(), 21u);
    EXPECT_EQ(fields[2], std::to_string(i)) << "serial number";
    if (i < first + kSampleColumnRecords) {
      EXPECT_EQ(fields[0], "\"AD020101\"");
      EXPECT_EQ(fields.size(), 29u);
    } else {
      EXPECT_EQ(fields[0], "\"DC020100\"");
      // Twenty fields, the point count, three fields per point, then the
      // nineteen commas, each opening one more (empty) field.
      const std::size_t points = static_cast<std::size_t>(std::stoi(fields[20]));
      EXPECT_EQ(fields.size(), 21 + 3 * points + 20);
    }
  }
}

TEST_F(ColumnsRoomsSample, WritesColumnRecordsThenRoomRecordsNumberedFromOne) {
  ASSERT_EQ(Convert("columns,rooms"), 0) << output_;

  const std::vector<std::string> lines = CrLfLines(csv_);
  ASSERT_FALSE(lines.empty());
  const std::vector<std::string> header = Fields(lines[0]);
  ASSERT_EQ(header.size(), 8u) << lines[0];
  EXPECT_EQ(header[0], "\"MORVANTEL\"");
  EXPECT_EQ(header[3], "16");
  ExpectColumnThenRoomRecords(lines, 1);
  ASSERT_EQ(lines.size(), 17u);

  // The half column (kind 3) at 9100,5460 of width 105 on 1F.
  EXPECT_EQ(lines[5],
            "\"AD020101\",1,5,0,0,30,\"\",0,\"\",0,\"\",0,0,0,105,105,0,3,,,,,,9152.500000,5460,"
            "400.000000,9205.000000,5565.000000,3300.000000");
  // The walk-in closet on 2F, named in half-width katakana.
  EXPECT_EQ(
      lines[16],
      "\"DC020100\",2,16,0,0,30,\"\",0,\"\",0,\"\",0,152,"
      "\"\xB3\xAB\xB0\xB8\xB2\xDD\xB8\xDB\xBE\xDE\xAF\xC4\",0,450,2400,0.0,0.0,,5,3640,3640,"
      "3300.000000,7280,3640,3300.000000,7280,5460,3300.000000,3640,5460,3300.000000,3640,3640,"
      "3300.000000,,,,,,,,,,,,,,,,,,,,");

  EXPECT_NE(output_.find("柱（自身情報）を処理しています・・・"), std::string::npos) << output_;
  EXPECT_NE(output_.find("部屋収納（自身情報）を処理しています・・・"), std::string::npos)
      << output_;
  EXPECT_NE(
      output_.find("WARNING！ "
                   "管柱・通し柱・丸柱・半柱・1/4柱以外のコンバートできない柱が1つありました"),
      std::string::npos)
      << output_;
}

TEST_F(ColumnsRoomsSample, SerialNumbersContinueAfterBasicInformationAndOutline) {
  ASSERT_EQ(Convert("basic,outline,columns,rooms"), 0) << output_;

  const std::vector<std::string> lines = CrLfLines(csv_);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(Fields(lines[1])[0], "\"AA010100\"");
  EXPECT_EQ(Fields(lines[2])[0], "\"AA010110\"");
  ExpectColumnThenRoomRecords(lines, 3);
}

}  // namespace
}  // namespace peltarix
