#include "records/room_kinds.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace peltarix {
namespace {

// Room names as the CAD system writes them: CP932 bytes.
constexpr std::string_view kWashitsu = "\x98\x61\x8E\xBA";                    // 和室
constexpr std::string_view kGaibu = "\x8A\x4F\x95\x94";                       // 外部
constexpr std::string_view kDkFullWidthCapital = "\x82\x63\x81\x45\x82\x6A";  // Ｄ・Ｋ
constexpr std::string_view kDkFullWidthSmall = "\x82\x84\x81\x45\x82\x8B";    // ｄ・ｋ
constexpr std::string_view kDkHalfWidth = "\x44\x81\x45\x4B";                 // D・K
constexpr std::string_view kWalkInClosetFullWidth =  // ウォークインクローゼット
    "\x83\x45\x83\x48\x81\x5B\x83\x4E\x83\x43\x83\x93\x83\x4E\x83\x8D\x81\x5B\x83\x5B\x83\x62"
    "\x83\x67";
constexpr std::string_view kBalcony = "\x83\x6F\x83\x8B\x83\x52\x83\x6A\x81\x5B";  // バルコニー
constexpr std::string_view kBalconyRoom =  // バルコニー室
    "\x83\x6F\x83\x8B\x83\x52\x83\x6A\x81\x5B\x8E\xBA";
constexpr std::string_view kLoft = "\x83\x8D\x83\x74\x83\x67";  // ロフト
constexpr std::string_view kBayWindowASmall =                   // 出窓ａタイプ
    "\x8F\x6F\x91\x8B\x82\x81\x83\x5E\x83\x43\x83\x76";
constexpr std::string_view kBayWindowA = "\x8F\x6F\x91\x8B\x82\x60\x83\x5E\x83\x43\x83\x76";

TEST(RoomKindTable, HoldsEightyFiveNamesAsCp932Bytes) {
  struct Entry {
    std::size_t number;  // 1-based, in table order
    std::string_view name;
    int code;
  };
  const Entry entries[] = {
      {1, kWashitsu, 1},
      {22, "\x97\x6D\x8E\xBA", 101},          // 洋室
      {31, kDkFullWidthCapital, 112},         // Ｄ・Ｋ
      {32, "\x82\x6B\x81\x45\x82\x63", 113},  // Ｌ・Ｄ
      {45, "\x92\x6E\x91\xDC\x95\x74\x93\x56\x91\xDC\x95\x74\x97\x6D\x95\x9E\x93\xFC",
       151},                                                          // 地袋付天袋付洋服入
      {46, "\xB3\xAB\xB0\xB8\xB2\xDD\xB8\xDB\xBE\xDE\xAF\xC4", 152},  // ｳｫｰｸｲﾝｸﾛｾﾞｯﾄ
      {52, "\xBD\xC4\xD8\xAF\xCC\xDF\x8A\x4B\x92\x69\x8E\xBA", 165},  // ｽﾄﾘｯﾌﾟ階段室
      {54, "\xCA\xDF\xB2\xCC\xDF\xBD\xCD\xDF\xB0\xBD", 171},  // ﾊﾟｲﾌﾟｽﾍﾟｰｽ
      {56, kBayWindowA, 181},                                 // 出窓Ａタイプ
      {72, kBalconyRoom, 504},
      {77, "\x83\x6E\x83\x6C\x8F\x6F\x97\x70\xC3\xD7\xBD\x8E\xBA", 511},  // ハネ出用ﾃﾗｽ室
      {79, "\x8F\x9F\x8E\xE8\x8C\xFB\xCE\xDF\xB0\xC1\x93\x79\x8A\xD4", 522},  // 勝手口ﾎﾟｰﾁ土間
      {81, kBalcony, 524},
      {85, kGaibu, 999},
  };
  const auto& table = RoomKindTable();
  ASSERT_EQ(table.size(), 85u);
  for (const Entry& entry : entries) {
    SCOPED_TRACE(entry.number);
    EXPECT_EQ(table[entry.number - 1].name, entry.name);
    EXPECT_EQ(table[entry.number - 1].code, entry.code);
  }
}

TEST(RoomKindTable, EveryNameClassifiesAsItsOwnEntry) {
  // No entry may shadow a later one, and no name may have lost its bytes.
  for (const RoomKind& kind : RoomKindTable()) {
    SCOPED_TRACE(kind.code);
    ASSERT_FALSE(kind.name.empty());
    int code = -1;
    std::string display;
    EXPECT_EQ(ClassifyRoomName(kind.name, code, display), 0);
    EXPECT_EQ(code, kind.code);
    EXPECT_EQ(display, kind.name);
  }
}

TEST(ClassifyRoomName, GivesCodeAndDisplayName) {
  struct Case {
    const char* what;
    std::string_view name;
    int code;
    std::string display;
  };
  const Case cases[] = {
      {"Japanese-style room", kWashitsu, 1, std::string(kWashitsu)},
      {"outdoors", kGaibu, 999, std::string(kGaibu)},
      {"full-width small letters take the table's capitals", kDkFullWidthSmall, 112,
       std::string(kDkFullWidthCapital)},
      {"full-width small letter inside a name", kBayWindowASmall, 181, std::string(kBayWindowA)},
      {"half-width letters are other characters", kDkHalfWidth, 0,
       "(" + std::string(kDkHalfWidth) + ")"},
      {"full-width spelling of a half-width name", kWalkInClosetFullWidth, 0,
       "(" + std::string(kWalkInClosetFullWidth) + ")"},
      {"a trailing blank is kept", "\x98\x61\x8E\xBA ", 0, "(\x98\x61\x8E\xBA )"},
      {"whole name, not a prefix", kBalcony, 524, std::string(kBalcony)},
      {"longer name with the same start", kBalconyRoom, 504, std::string(kBalconyRoom)},
      {"unknown name", kLoft, 0, "(" + std::string(kLoft) + ")"},
      {"a lead byte at the end ends the name", "\x98\x61\x8E\xBA\x82", 1, std::string(kWashitsu)},
      {"a single blank", " ", 0, "( )"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    int code = -1;
    std::string display = "unchanged";
    EXPECT_EQ(ClassifyRoomName(c.name, code, display), 0);
    EXPECT_EQ(code, c.code);
    EXPECT_EQ(display, c.display);
  }
}

TEST(ClassifyRoomName, EmptyNameFailsAndLeavesOutputsAsTheyWere) {
  int code = 42;
  std::string display = "previous";
  EXPECT_EQ(ClassifyRoomName("", code, display), -1);
  EXPECT_EQ(code, 42);
  EXPECT_EQ(display, "previous");
}

TEST(ShiftJisEqualIgnoringCase, FoldsOnlyAsciiAndFullWidthCapitals) {
  struct Case {
    const char* what;
    std::string_view left;
    std::string_view right;
    bool equal;
  };
  const Case cases[] = {
      {"ASCII capitals fold", "Room-A", "rOOM-a", true},
      {"full-width A and a", "\x82\x60", "\x82\x81", true},
      {"full-width Z and z", "\x82\x79", "\x82\x9A", true},
      {"neighbours of the full-width capitals do not fold", "\x82\x5F", "\x82\x80", false},
      {"full-width and ASCII letters differ", "\x82\x60", "A", false},
      {"Greek capitals do not fold", "\x83\x9F", "\x83\xBF", false},
      {"trail byte 41 is no ASCII capital", "\x83\x41", "\x83\x61", false},
      {"lead byte 81",
       "\x81"
       "A",
       "\x81"
       "a",
       false},
      {"lead byte 9F",
       "\x9F"
       "A",
       "\x9F"
       "a",
       false},
      {"lead byte E0",
       "\xE0"
       "A",
       "\xE0"
       "a",
       false},
      {"lead byte FC",
       "\xFC"
       "A",
       "\xFC"
       "a",
       false},
      {"half-width katakana is one byte",
       "\xB1"
       "A",
       "\xB1"
       "a",
       true},
      {"byte 80 is one byte",
       "\x80"
       "A",
       "\x80"
       "a",
       true},
      {"byte A0 is one byte",
       "\xA0"
       "A",
       "\xA0"
       "a",
       true},
      {"byte FD is one byte",
       "\xFD"
       "A",
       "\xFD"
       "a",
       true},
      {"a lead byte at the end ends the text", "ab\x82", "AB", true},
      {"a lead byte at the end against a whole character", "ab\x82", "ab\x82\x60", false},
      {"prefix", "abc", "abcd", false},
      {"empty texts", "", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ShiftJisEqualIgnoringCase(c.left, c.right), c.equal);
    EXPECT_EQ(ShiftJisEqualIgnoringCase(c.right, c.left), c.equal);
  }
}

}  // namespace
}  // namespace peltarix
