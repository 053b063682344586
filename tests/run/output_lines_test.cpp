#include "run/output_lines.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace peltarix {
namespace {

// A line of `size` bytes that differs from its neighbours, ending in "\n".
std::string TestLine(std::size_t size, char fill) { return std::string(size - 1, fill) + '\n'; }

TEST(OutputLinesTest, KeepsEveryLineWholeAcrossBlocks) {
  // Line sizes around and beyond a 64 KiB block, so that lines under way
  // move to a new block, and a line that fills a block alone grows in place.
  const std::vector<std::size_t> sizes = {1, 100,   65535, 65536, 65537,  3, 40000,  40000, 200000,
                                          1, 70000, 150,   65000, 131072, 2, 300000, 5};
  OutputLines lines;
  lines.header() = "header\n";
  std::vector<std::string> expected;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const std::string text = TestLine(sizes[i], static_cast<char>('a' + i % 26));
    // Written in pieces, the way record fields are.
    lines.StartLine(std::string_view(text).substr(0, 1));
    for (std::size_t at = 1; at < text.size(); at += 997) {
      const std::string_view piece = std::string_view(text).substr(at, 997);
      char* const out = lines.Reserve(piece.size());
      lines.Commit(std::copy(piece.begin(), piece.end(), out));
    }
    expected.push_back(text);
    ASSERT_EQ(lines.line(lines.last_line_index()), text) << "line under way " << i + 1;
  }
  ASSERT_EQ(lines.last_line_index(), static_cast<int>(sizes.size()));
  EXPECT_EQ(lines.line(0), "header\n");
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(lines.line(static_cast<int>(i) + 1), expected[i]) << "line " << i + 1;
  }

  lines.Clear();
  EXPECT_EQ(lines.last_line_index(), 0);
  EXPECT_EQ(lines.line(0), "");
  lines.StartLine();
  lines.Append("x\n");
  lines.StartLine("y\n");
  EXPECT_EQ(lines.line(1), "x\n");
  EXPECT_EQ(lines.line(2), "y\n");
}

}  // namespace
}  // namespace peltarix
