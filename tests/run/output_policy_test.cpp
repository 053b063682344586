// The output policy: which outputs a command may write, how names are shown,
// and what a replaced file keeps.

#include "run/output_policy.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "run/shown_path.h"
#include "support/temp_dir.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace peltarix {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

// Outputs are compared by the file they resolve to: a second spelling of a
// source, a link to it or to a design file, and two spellings of one output
// are all caught before anything is written.
TEST(OutputPolicyTest, CheckOutputsRefusesSourcesDesignFilesAndSharedFiles) {
  const testing::TempDir dir;
  WriteBytes(dir.File("a.QV"), "design a");
  WriteBytes(dir.File("other.qv"), "design other");
  fs::create_directory(dir.path() / "sub");
  const std::string a = dir.File("a.QV");
  const struct {
    const char* what;
    std::vector<std::string> outputs;
    std::vector<std::pair<std::string, OutputConflict>> refused;
    bool needs_links = false;
  } cases[] = {
      {"distinct outputs", {dir.File("a.csv"), dir.File("a.svg"), dir.File("r.json")}, {}},
      {"the source itself",
       {dir.File("sub/../a.QV")},
       {{dir.File("sub/../a.QV"), OutputConflict::kIsSource}}},
      {"another design file",
       {dir.File("other.qv")},
       {{dir.File("other.qv"), OutputConflict::kIsDesignFile}}},
      {"a new design file name",
       {dir.File("new.Qv.")},
       {{dir.File("new.Qv."), OutputConflict::kIsDesignFile}}},
      {"one file twice",
       {dir.File("r.json"), dir.File("sub/../r.json")},
       {{dir.File("sub/../r.json"), OutputConflict::kIsAnotherOutput}}},
      {"a link to the source",
       {dir.File("to-a.csv")},
       {{dir.File("to-a.csv"), OutputConflict::kIsSource}},
       true},
      {"a link to a design file",
       {dir.File("to-other.svg")},
       {{dir.File("to-other.svg"), OutputConflict::kIsDesignFile}},
       true},
      {"a link to another output, dangling",
       {dir.File("b.csv"), dir.File("to-b.csv")},
       {{dir.File("to-b.csv"), OutputConflict::kIsAnotherOutput}},
       true},
  };
#if !defined(_WIN32)
  fs::create_symlink("a.QV", dir.path() / "to-a.csv");
  fs::create_symlink("other.qv", dir.path() / "to-other.svg");
  fs::create_symlink("b.csv", dir.path() / "to-b.csv");
  constexpr bool kLinks = true;
#else
  constexpr bool kLinks = false;
#endif
  for (const auto& c : cases) {
    if (c.needs_links && !kLinks) continue;
    SCOPED_TRACE(c.what);
    std::vector<std::pair<std::string, OutputConflict>> refused;
    for (const OutputRefusal& refusal : CheckOutputs(std::vector{a}, c.outputs)) {
      refused.emplace_back(refusal.path, refusal.conflict);
    }
    EXPECT_EQ(refused, c.refused);
  }
  EXPECT_EQ(ReadBytes(a), "design a");
}

// Names reach the log, the picture and the report as valid UTF-8 that
// cannot break a line: CP932 bytes are decoded, control characters escaped.
TEST(OutputPolicyTest, ShownPathDecodesCp932AndEscapesControlCharacters) {
  const struct {
    std::string_view path;
    std::string_view decoded;
    std::string_view shown;
  } cases[] = {
      {"out/家.csv", "out/家.csv", "out/家.csv"},
      {"out/\x89\xC6.QV", "out/家.QV", "out/家.QV"},                   // 家 in CP932
      {"\x81\x80\x81 .QV", "÷\xEF\xBF\xBD .QV", "÷\xEF\xBF\xBD .QV"},  // ÷, a lead byte alone
      {"a\nb\x1B[31m.QV", "a\nb\x1B[31m.QV", "a\\x0ab\\x1b[31m.QV"},
      {"del\x7F c1\xC2\x85.QV", "del\x7F c1\xC2\x85.QV", "del\\x7f c1\\u0085.QV"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(HexBytes(c.path));
    EXPECT_EQ(DecodedPath(c.path), c.decoded);
    EXPECT_EQ(ShownPath(c.path), c.shown);
    EXPECT_TRUE(IsValidUtf8(ShownPath(c.path)));
  }
  EXPECT_EQ(HexBytes("a\x89\xC6"), "6189c6");
  // Surrogates, overlong forms and cut sequences are no UTF-8.
  for (const std::string_view bad : {"\xED\xA0\x80", "\xC0\xAF", "\xE5\x92", "\xF4\x90\x80\x80"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << HexBytes(bad);
  }
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x8F\xA0 \xEF\xBF\xBF"));
}

#if !defined(_WIN32)
// A replaced output keeps its mode bits, owner and group where the process
// may set them; a hard link to the old file keeps the old bytes.
TEST(OutputPolicyTest, WriteOutputFileKeepsModeOwnerAndGroupAndLeavesHardLinks) {
  const testing::TempDir dir;
  const std::string path = dir.File("report.json");
  WriteBytes(path, "old");
  fs::create_hard_link(path, dir.File("kept.json"));
  const bool privileged = geteuid() == 0;
  if (privileged) {
    ASSERT_EQ(chown(path.c_str(), 4321, 4322), 0);
  }
  // A change of owner clears the set-group-ID bit: it must be set after.
  ASSERT_EQ(chmod(path.c_str(), 02750), 0);
  struct stat before {};
  ASSERT_EQ(stat(path.c_str(), &before), 0);

  EXPECT_FALSE(WriteOutputFile(path, "new").has_value());
  struct stat after {};
  ASSERT_EQ(stat(path.c_str(), &after), 0);
  EXPECT_EQ(ReadBytes(path), "new");
  EXPECT_EQ(ReadBytes(dir.File("kept.json")), "old");
  EXPECT_EQ(after.st_mode & 07777, 02750u);
  EXPECT_EQ(after.st_gid, before.st_gid);
  if (privileged) {
    EXPECT_EQ(after.st_uid, before.st_uid);
  }
  EXPECT_TRUE(OutputExists(path));
  fs::create_symlink("nowhere", dir.path() / "dangling.svg");
  EXPECT_TRUE(OutputExists(dir.File("dangling.svg")));
  EXPECT_FALSE(OutputExists(dir.File("nowhere")));
}
#endif

}  // namespace
}  // namespace peltarix
