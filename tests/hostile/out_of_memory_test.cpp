#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <new>
#include <sstream>
#include <stdexcept>

#include "hostile_run.h"
#include "support/convert_child.h"
#include "support/qv_text.h"

namespace peltarix {
namespace {

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

using ::testing::HasSubstr;
using ::testing::Not;
using testing::ReadBytes;
using testing::WriteBytes;

constexpr const char* kEarlierCsv = "earlier CSV\r\n";
constexpr const char* kOutOfMemory = "ERROR！ メモリが不足しているためコンバートできません";
constexpr const char* kUnexpected =
    "ERROR！ 予期しないエラーが発生したためコンバートを中止しました";

// A view that throws once, where the columns converter announces itself.
class FailingView : public testing::CapturedLog {
 public:
  explicit FailingView(void (*fail)()) : fail_(fail) {}
  void AppendLine(std::string line) override {
    if (fail_ != nullptr && line.find("柱") != std::string::npos) {
      const auto fail = fail_;
      fail_ = nullptr;
      fail();
    }
    CapturedLog::AppendLine(std::move(line));
  }

 private:
  void (*fail_)();
};

// Whatever a run throws ends it with one error in Japanese (the detail line
// for a lack of memory), the closing lines, and the earlier CSV untouched;
// no library text reaches the log.
TEST(OutOfMemoryTest, FailureInsideTheRunEndsItWithACompleteLog) {
  const struct {
    void (*fail)();
    const char* error;
    bool detail;
  } cases[] = {
      {[] { throw std::bad_alloc(); }, kOutOfMemory, true},
      {[] { throw std::length_error("vector::reserve"); }, kOutOfMemory, true},
      {[] { throw std::runtime_error("boom"); }, kUnexpected, false},
      {[] { throw 42; }, kUnexpected, false},
  };
  for (const auto& c : cases) {
    testing::FileRun files(testing::InfoSection());
    WriteBytes(files.destination, kEarlierCsv);
    FailingView view(c.fail);
    RunContext context(view, testing::FixedTime);
    context.source_file_path = files.source;
    context.destination_file_path = files.destination;
    EXPECT_EQ(RunWithTranscript(context, DataKindSet::All()), -1);
    std::vector<std::string> ending{c.error};
    if (c.detail) ending.push_back("詳細：" + files.source + "：メモリが不足しています");
    ending.insert(ending.end(), {"エラー 1、警告 0", testing::kRunFailed});
    ASSERT_GT(view.lines.size(), ending.size());
    EXPECT_EQ(std::vector<std::string>(view.lines.end() - 1 - static_cast<long>(ending.size()),
                                       view.lines.end() - 1),
              ending);
    EXPECT_THAT(view.lines.back(), ::testing::StartsWith("☆☆☆コンバート終了["));
    EXPECT_EQ(c.detail, context.last_file_failure.has_value());
    for (const std::string& line : view.lines) {
      EXPECT_THAT(line, Not(HasSubstr("boom")));
      EXPECT_THAT(line, Not(HasSubstr("vector")));
    }
    EXPECT_EQ(files.Csv(), kEarlierCsv);
  }
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

// A process whose address space cannot even hold the source twice over: the
// run ends with exit status 1, the memory error and its detail line, and the
// closing lines; the earlier CSV stays.
TEST(OutOfMemoryTest, ConverterUnderAnAddressSpaceLimitEndsCleanly) {
  if (kUnderAddressSanitizer) GTEST_SKIP() << "the sanitizer reserves terabytes of address space";
  const testing::TempDir dir;
  const std::string source = dir.File("big.QV");
  const std::string destination = dir.File("big.csv");
  const std::string text = testing::ManyColumnsSource(testing::InfoSection(), 200000);
  WriteBytes(source, text);
  WriteBytes(destination, kEarlierCsv);
  // The converter itself needs less than 10 MiB.
  const rlim_t limit = text.size() + (rlim_t{24} << 20);
  testing::ConvertChild child({"-v", "-y", source, "-o", destination}, dir.File("log.txt"), limit);
  const int status = child.Wait();
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 1);
  const std::vector<std::string> log = LinesOf(ReadBytes(dir.File("log.txt")));
  // The transcript ends with the end banner; standard error's copies follow.
  const auto end = std::find_if(log.begin(), log.end(), [](const std::string& line) {
    return line.starts_with("☆☆☆コンバート終了[");
  });
  ASSERT_GE(end - log.begin(), 4);
  EXPECT_EQ(std::vector<std::string>(end - 4, end),
            (std::vector<std::string>{kOutOfMemory, "詳細：" + source + "：メモリが不足しています",
                                      "エラー 1、警告 0", testing::kRunFailed}));
  EXPECT_THAT(log, ::testing::Contains("peltarix-convert: " + source + ": メモリが不足しています"));
  EXPECT_EQ(ReadBytes(destination), kEarlierCsv);
}

// Four such files with -j 4: memory runs out anywhere (a thread's stack,
// what a run builds before it starts), and every file still gets the whole
// log of a run that ran out: banners, error, detail, count and result.
TEST(OutOfMemoryTest, ParallelBatchUnderAnAddressSpaceLimitGivesEveryFileTheWholeLog) {
  if (kUnderAddressSanitizer) GTEST_SKIP() << "the sanitizer reserves terabytes of address space";
  const testing::TempDir dir;
  const std::string text = testing::ManyColumnsSource(testing::InfoSection(), 200000);
  std::filesystem::create_directories(dir.path() / "houses");
  for (const char* name : {"a", "b", "c", "d"}) {
    WriteBytes(dir.File("houses/" + std::string(name) + ".QV"), text);
  }
  const rlim_t limit = text.size() + (rlim_t{24} << 20);
  testing::ConvertChild child({"-j", "4", dir.File("houses"), "-o", dir.File("out")},
                              dir.File("log.txt"), limit);
  const int status = child.Wait();
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 1);
  const std::vector<std::string> log = LinesOf(ReadBytes(dir.File("log.txt")));
  const std::vector<std::string> whole_ending{kOutOfMemory, "エラー 1、警告 0",
                                              testing::kRunFailed};
  int endings = 0;
  for (auto line = log.begin(); line != log.end(); ++line) {
    if (!line->starts_with("☆☆☆コンバート終了[")) continue;
    ASSERT_GE(line - log.begin(), 4);
    EXPECT_EQ(std::vector<std::string>({*(line - 3), *(line - 2), *(line - 1)}), whole_ending);
    EXPECT_THAT(*(line - 4), ::testing::StartsWith("☆☆☆コンバート開始["));
    ++endings;
  }
  EXPECT_EQ(endings, 4);
  EXPECT_THAT(log, ::testing::Not(::testing::Contains(HasSubstr("予期しない"))));
}

}  // namespace
}  // namespace peltarix
