#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "hostile_run.h"
#include "support/qv_text.h"

namespace peltarix {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using testing::HostileRun;

// Sources that are no regular file are refused from their type, before
// anything reads them: a FIFO without writer would block the run forever,
// /dev/zero would fill the memory, and a file beyond 256 MiB is refused
// without being read. (Were the type not checked first, this test would
// hang on the FIFO or run out of memory on /dev/zero.)
TEST(OddSourcesTest, SourceThatIsNoRegularFileIsRefusedUnread) {
  const struct {
    const char* name;
    const char* error;
    const char* reason;
  } cases[] = {
      {"missing.QV", "QVファイルを開けません", "ファイルが見つかりません"},
      {"folder.QV", "QVファイルを開けません", "ファイルではなくフォルダです"},
      {"fifo.QV", "QVファイルを開けません", "通常のファイルではありません"},
      {"/dev/zero", "QVファイルを開けません", "通常のファイルではありません"},
      {"huge.QV", "QVファイルが256MBを超えるためコンバートできません", "ファイルが大きすぎます"},
  };
  for (const auto& c : cases) {
    HostileRun run(testing::InfoSection());
    const std::string path = c.name[0] == '/' ? c.name : run.dir.File(c.name);
    SCOPED_TRACE(path);
    fs::create_directory(run.dir.File("folder.QV"));
    ASSERT_EQ(mkfifo(run.dir.File("fifo.QV").c_str(), 0600), 0);
    // Sparse: takes no disk space.
    fs::resize_file(run.source, (std::uintmax_t{256} << 20) + 1);
    fs::rename(run.source, run.dir.File("huge.QV"));
    run.run.context.source_file_path = path;
    EXPECT_EQ(run.Execute(), -1);
    EXPECT_THAT(run.log_lines(), ElementsAre(::testing::_, std::string("ERROR！ ") + c.error,
                                             "詳細：" + path + "：" + c.reason, "エラー 1、警告 0",
                                             testing::kRunFailed, ::testing::_));
    EXPECT_FALSE(fs::exists(run.destination));
  }
}

}  // namespace
}  // namespace peltarix
