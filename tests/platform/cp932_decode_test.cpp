#include "platform/cp932_decode.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace peltarix {
namespace {

const std::vector<std::pair<std::string, std::string>> kNames = {
    {"\x97\x6d\x8e\xba", "洋室"},
    {"\xb3\xab", "ｳｫ"},
    {"(D\x81\x45K)", "(D・K)"},
    {"ROOM \\~", "ROOM \\~"},  // ASCII as it stands, backslash and tilde too
    // 0xA0 is no character; a lead byte at the end has lost its second byte.
    {"a\xa0"
     "b\x97",
     "a\xEF\xBF\xBD"
     "b\xEF\xBF\xBD"},
};

TEST(Utf8FromCp932, DecodesNamesAndReplacesBytesCp932DoesNotDefine) {
  for (const auto& [cp932, utf8] : kNames) EXPECT_EQ(Utf8FromCp932(cp932), utf8);
}

TEST(Utf8FromCp932, ThreadsDecodeSideBySideAndABrokenNameLeavesNothingForTheNext) {
  // Each thread keeps its converter from call to call; the cut-off name
  // comes before the others on the next round.
  std::vector<int> failures(4, 0);
  std::vector<std::thread> threads;
  for (int& failed : failures) {
    threads.emplace_back([&failed] {
      for (int round = 0; round < 50; ++round) {
        for (const auto& [cp932, utf8] : kNames) failed += Utf8FromCp932(cp932) != utf8;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(failures, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace peltarix
