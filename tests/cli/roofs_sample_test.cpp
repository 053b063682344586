#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace peltarix {
namespace {

TEST(RoofsSampleTest, RoofRecordsAloneAreNumberedFromOne) {
  testing::TempDir dir;
  const std::string destination = dir.File("sample.csv");
  const auto result =
      testing::RunConvertBinary({"--kinds=roofs", testing::SamplePath(), "-o", destination});
  ASSERT_EQ(result.exit_status, 0) << result.out << result.err;
  const std::vector<std::string> lines = testing::CrLfLines(testing::ReadBytes(destination));
  ASSERT_GE(lines.size(), 2u) << "the sample has roofs";

  const std::vector<std::string> header = testing::Fields(lines[0]);
  ASSERT_GE(header.size(), 4u);
  EXPECT_EQ(header[0], "\"MORVANTEL\"");
  EXPECT_EQ(header[3], std::to_string(lines.size() - 1)) << "record count of the header";

  for (std::size_t serial = 1; serial < lines.size(); ++serial) {
    const std::vector<std::string> fields = testing::Fields(lines[serial]);
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
