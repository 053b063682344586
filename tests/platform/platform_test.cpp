#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <iterator>
#include <string>

#include "platform/file_replace.h"
#include "platform/local_time.h"
#include "platform/native_path.h"
#include "platform/source_file.h"
#include "support/temp_dir.h"

namespace peltarix {
namespace {

TEST(PlatformTest, JapaneseFolderAndFileNamesWorkEndToEnd) {
  const testing::TempDir temp;
  const std::string folder = temp.File("設計データ");
  std::filesystem::create_directory(NativePath(folder));
  const std::string path = folder + "/住宅 1.QV";
  // The UTF-8 text survives the trip through a filesystem path unchanged.
  EXPECT_EQ(Utf8Path(NativePath(path)), path);
  // Binary mode both ways: CR LF and byte 1A stay as they are.
  const std::string bytes = "a\r\nb\n\x1a\x82\xa0";
  for (const std::string& content : {std::string("old"), bytes}) {
    FileReplacer file(path);
    ASSERT_FALSE(file.Open());
    ASSERT_FALSE(file.Write(content));
    ASSERT_FALSE(file.Commit());
  }
  std::string read;
  ASSERT_FALSE(ReadRegularFile(path, 1000, read));
  EXPECT_EQ(read, bytes);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(NativePath(folder)),
                          std::filesystem::directory_iterator()),
            1);  // no temporary file left beside it
  const auto missing = ReadRegularFile(folder + "/無い.QV", 1000, read);
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->reason, FailureReason::kNotFound);
  const auto folder_as_source = ReadRegularFile(folder, 1000, read);
  ASSERT_TRUE(folder_as_source);
  EXPECT_EQ(folder_as_source->reason, FailureReason::kIsFolder);
}

TEST(PlatformTest, LocalTimeAgreesWithMktime) {
  const std::time_t now = std::time(nullptr);
  std::optional<std::tm> local = LocalTime(now);
  ASSERT_TRUE(local.has_value());
  EXPECT_GE(local->tm_year + 1900, 2020);
  EXPECT_EQ(std::mktime(&*local), now);
}

}  // namespace
}  // namespace peltarix
