#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace peltarix {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The lines of a CSV file, each without its CR LF; fails the test on a line
// end of any other form.
std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t lf = bytes.find('\n', start);
    if (lf == std::string::npos) {
      ADD_FAILURE() << "last line has no line end";
      lines.push_back(bytes.substr(start));
      break;
    }
    EXPECT_TRUE(lf > start && bytes[lf - 1] == '\r')
        << "line " << lines.size() << " ends in LF only";
    const std::size_t end = (lf > start && bytes[lf - 1] == '\r') ? lf - 1 : lf;
    lines.push_back(bytes.substr(start, end - start));
    start = lf + 1;
  }
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

class ColumnsRoomsSample : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    directory_ = fs::temp_directory_path() /
                 ("peltarix-columns-rooms-" + name + "-" +
                  std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(directory_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(directory_, ignored);
  }

  // Runs the command line on the sample with --kinds=`kinds`; returns the
  // exit status and keeps the written file's bytes and the terminal output.
  int Convert(const std::string& kinds) {
    const fs::path source = fs::path(PELTARIX_SOURCE_DIR) / "examples" / "sample.QV";
    const fs::path destination = directory_ / "sample.csv";
    const fs::path output = directory_ / "output.txt";
    const std::string command = std::string("\"") + PELTARIX_CONVERT_BINARY +
                                "\" --kinds=" + kinds + " -y \"" + source.string() + "\" -o \"" +
                                destination.string() + "\" > \"" + output.string() + "\" 2>&1";
    const int status = std::system(command.c_str());
    csv_ = ReadFile(destination);
    output_ = ReadFile(output);
#ifdef _WIN32
    return status;
#else
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
  }

  fs::path directory_;
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
