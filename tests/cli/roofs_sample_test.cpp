#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace peltarix {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The file's lines without their CR LF; a line end of LF alone fails the test.
std::vector<std::string> CsvLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find('\n', start);
    EXPECT_NE(end, std::string::npos) << "last line has no line end";
    if (end == std::string::npos) break;
    EXPECT_TRUE(end > start && bytes[end - 1] == '\r') << "line " << lines.size() << " ends in LF";
    lines.push_back(bytes.substr(start, end - 1 - start));
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(line.substr(start, comma - start));
    if (comma == std::string::npos) return fields;
    start = comma + 1;
  }
}

class RoofsSampleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ = fs::path(::testing::TempDir()) / "peltarix_roofs_sample";
    fs::create_directories(directory_);
    destination_ = directory_ / "sample.csv";
  }
  void TearDown() override { fs::remove_all(directory_); }

  // Runs the converter binary with the roof box only; returns its exit status.
  int ConvertRoofsOnly() {
    const fs::path source = fs::path(PELTARIX_SOURCE_DIR) / "examples" / "sample.QV";
    const std::string command = std::string("\"") + PELTARIX_CONVERT_BINARY +
                                "\" --kinds=roofs -y \"" + source.string() + "\" -o \"" +
                                destination_.string() + "\" > \"" +
                                (directory_ / "log.txt").string() + "\" 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path directory_;
  fs::path destination_;
};

TEST_F(RoofsSampleTest, RoofRecordsAloneAreNumberedFromOne) {
  ASSERT_EQ(ConvertRoofsOnly(), 0) << ReadBytes(directory_ / "log.txt");
  const std::vector<std::string> lines = CsvLines(ReadBytes(destination_));
  ASSERT_GE(lines.size(), 2u) << "the sample has roofs";

  const std::vector<std::string> header = SplitFields(lines[0]);
  ASSERT_GE(header.size(), 4u);
  EXPECT_EQ(header[0], "\"MORVANTEL\"");
  EXPECT_EQ(header[3], std::to_string(lines.size() - 1)) << "record count of the header";

  for (std::size_t serial = 1; serial < lines.size(); ++serial) {
    const std::vector<std::string> fields = SplitFields(lines[serial]);
    ASSERT_GE(fields.size(), 22u) << lines[serial];
    EXPECT_EQ(fields[0], "\"AB010101\"") << "line " << serial;
    EXPECT_EQ(fields[2], std::to_string(serial)) << "serial number of line " << serial;
    // Field 22 counts the points that follow, the repeated first one
    // included; each point has three fields.
    const int point_count = std::atoi(fields[21].c_str());
    ASSERT_GE(point_count, 2) << lines[serial];
    ASSERT_EQ(fields.size(), 22u + 3u * static_cast<std::size_t>(point_count)) << lines[serial];
    for (int field = 0; field < 3; ++field) {
      EXPECT_EQ(fields[22 + field], fields[fields.size() - 3 + field])
          << "the outline of line " << serial << " closes on its first point";
    }
  }
}

}  // namespace
}  // namespace peltarix
