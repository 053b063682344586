#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/c_locale_strtod.h"
#include "platform/file_open.h"
#include "platform/local_time.h"
#include "platform/utf8_path.h"
#include "support/temp_dir.h"

namespace peltarix {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

TEST(PlatformTest, JapaneseFolderAndFileNamesWorkEndToEnd) {
  const testing::TempDir temp;
  const std::string folder = temp.File("設計データ");
  std::filesystem::create_directory(platform::PathFromUtf8(folder));
  const std::string path = folder + "/住宅 1.QV";
  // The UTF-8 text survives the trip through a filesystem path unchanged.
  EXPECT_EQ(platform::Utf8FromPath(platform::PathFromUtf8(path)), path);
  // Binary mode both ways: CR LF and byte 1A stay as they are.
  const std::string bytes = "a\r\nb\n\x1a\x82\xa0";
  {
    const File out(platform::OpenFile(path, "wb"));
    ASSERT_NE(out, nullptr);
    ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), out.get()), bytes.size());
  }
  EXPECT_EQ(testing::ReadBytes(path), bytes);
  EXPECT_TRUE(std::filesystem::exists(platform::PathFromUtf8(path)));
  EXPECT_EQ(platform::OpenFile(folder + "/無い.QV", "rb"), nullptr);
}

TEST(PlatformTest, LocalTimeAgreesWithMktime) {
  const std::time_t now = std::time(nullptr);
  std::optional<std::tm> local = platform::LocalTime(now);
  ASSERT_TRUE(local.has_value());
  EXPECT_GE(local->tm_year + 1900, 2020);
  EXPECT_EQ(std::mktime(&*local), now);
}

TEST(PlatformTest, StrtodReadsTheCLocaleForm) {
  char* end = nullptr;
  const char text[] = "-1234.5e1,7";
  EXPECT_EQ(platform::StrtodInCLocale(text, &end), -12345.0);
  EXPECT_EQ(end, text + 9);
}

}  // namespace
}  // namespace peltarix
