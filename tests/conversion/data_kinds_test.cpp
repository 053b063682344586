#include "conversion/data_kinds.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

namespace peltarix {
namespace {

TEST(DataKindTableTest, WordsNameTheirKindAndWordsAndCaptionsAreUnique) {
  std::set<std::string_view> words;
  std::set<std::string_view> captions;
  for (const DataKindRow& row : kDataKindRows) {
    EXPECT_EQ(DataKindFromWord(row.word), row.kind) << row.word;
    EXPECT_NE(row.convert, nullptr) << row.word;
    words.insert(row.word);
    captions.insert(row.caption);
  }
  EXPECT_EQ(words.size(), kDataKindCount);
  EXPECT_EQ(captions.size(), kDataKindCount);
  EXPECT_EQ(DataKindFromWord("Roofs"), DataKind::kRoofs);
  EXPECT_EQ(DataKindFromWord("COLUMNS"), DataKind::kColumns);
  for (const std::string_view word : {"", "roof", "basic,", "rooms "}) {
    EXPECT_EQ(DataKindFromWord(word), std::nullopt) << word;
  }
}

TEST(DataKindSetTest, HoldsExactlyTheKindsSet) {
  DataKindSet kinds = DataKindSet::Only(DataKind::kRooms).With(DataKind::kBasicInfo);
  for (const DataKindRow& row : kDataKindRows) {
    const bool expected = row.kind == DataKind::kRooms || row.kind == DataKind::kBasicInfo;
    EXPECT_EQ(kinds.Contains(row.kind), expected) << row.word;
    EXPECT_TRUE(DataKindSet::All().Contains(row.kind));
    EXPECT_FALSE(DataKindSet::None().Contains(row.kind));
  }
  kinds.Set(DataKind::kRooms, false);
  EXPECT_EQ(kinds, DataKindSet::Only(DataKind::kBasicInfo));
}

}  // namespace
}  // namespace peltarix
