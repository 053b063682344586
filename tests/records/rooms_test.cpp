#include "records/rooms_and_storage.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "run/progress_log.h"
#include "support/cli_runner.h"
#include "support/qv_text.h"
#include "support/test_run.h"

namespace peltarix {
namespace {

using testing::Fields;
using testing::SetLevels;
using testing::TestRun;

using Room = testing::SourceRecord;

std::string RoomSource(const std::string& count, const std::vector<Room>& rooms) {
  return testing::RecordSection("HEIMENZU", "/HEYA", count, rooms);
}

std::string RoomSource(const std::vector<Room>& rooms) {
  return RoomSource(std::to_string(rooms.size()), rooms);
}

constexpr const char* kYoshitsu = "\x97\x6D\x8E\xBA";  // 洋室

// A room of 3640 by 2730 with its first corner at the origin.
Room MakeRoom(const std::string& kai, const std::string& name = kYoshitsu,
              const std::string& kind = "0") {
  return {{"//KAI", kai},
          {"//NAME", name},
          {"//KIND", kind},
          {"//KIJUNH_YUKA", "0"},
          {"//HEYA_TENJOH", "2400"},
          {"//PNUM", "4"},
          {"//X1", "0"},
          {"//Y1", "0"},
          {"//X2", "3640"},
          {"//Y2", "0"},
          {"//X3", "3640"},
          {"//Y3", "2730"},
          {"//X4", "0"},
          {"//Y4", "2730"}};
}

Room WithPointCount(Room room, const std::string& pnum) {
  return testing::WithValue(std::move(room), "//PNUM", pnum);
}

// The line up to and including field 20, the empty field before the point
// count: "\"DC020100\",1,<serial>,0,0,30,\"\",0,\"\",0,\"\",0,"
// "<code>,\"<name>\",<kind>,0,2400,0.0,0.0,,".
std::string Head(int serial, const std::string& code, const std::string& name,
                 const std::string& kind_flag = "0", const std::string& floor = "1") {
  return "\"DC020100\"," + floor + "," + std::to_string(serial) + ",0,0,30,\"\",0,\"\",0,\"\",0," +
         code + ",\"" + name + "\"," + kind_flag + ",0,2400,0.0,0.0,,";
}

const std::string kNineteenCommas = ",,,,,,,,,,,,,,,,,,,";

// From the point count to the line end, for the room of MakeRoom.
std::string SquareOutline(const std::string& level) {
  return "5,0,0," + level + ",3640,0," + level + ",3640,2730," + level + ",0,2730," + level +
         ",0,0," + level + "," + kNineteenCommas + "\n";
}

// Fields of a four-point room split at every comma: 20 before the point
// count, the count, 5 points of 3 fields, and 20 empty ones after the last
// level's comma (the nineteen commas open one field each).
constexpr std::size_t kFourPointRoomFieldCount = 20 + 1 + 15 + 20;
const std::string kProgressLine = "部屋収納（自身情報）を処理しています・・・";

TEST(ConvertRoomsAndStorage, RoomRecordClosesItsOutlineAtTheFloorLevel) {
  TestRun run(RoomSource({MakeRoom("1F")}));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);
  for (int line = 1; line < 7; ++line) run.context.output_lines.StartLine("earlier record\n");

  EXPECT_EQ(ConvertRoomsAndStorage(run.context), 0);

  ASSERT_EQ(run.context.last_line_index(), 7);
  EXPECT_EQ(run.context.output_lines.line(7),
            "\"DC020100\",1,7,0,0,30,\"\",0,\"\",0,\"\",0,101,\"\x97\x6D\x8E\xBA\",0,0,2400,0.0,"
            "0.0,,5,0,0,500.000000,3640,0,500.000000,3640,2730,500.000000,0,2730,500.000000,0,"
            "0,500.000000,,,,,,,,,,,,,,,,,,,,\n");
  EXPECT_EQ(run.log_lines(), std::vector<std::string>{kProgressLine});
}

TEST(ConvertRoomsAndStorage, ClosingPointRepeatsTheFirstPointsTextsExactly) {
  Room room = MakeRoom("1F");
  for (auto& [key, value] : room) {
    if (key == "//X1") value = "0.0";
    if (key == "//Y1") value = " -15";
  }
  TestRun run(RoomSource({room}));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);

  ConvertRoomsAndStorage(run.context);

  ASSERT_EQ(run.context.last_line_index(), 1);
  const std::vector<std::string> fields = Fields(run.context.output_lines.line(1));
  ASSERT_EQ(fields.size(), kFourPointRoomFieldCount);
  EXPECT_EQ(fields[21], "0.0");
  EXPECT_EQ(fields[22], " -15");
  EXPECT_EQ(fields[33], "0.0");
  EXPECT_EQ(fields[34], " -15");
  EXPECT_EQ(fields[35], "500.000000");
}

TEST(ConvertRoomsAndStorage, PointCountOfNoneOrLessWritesWhatTheCountAllows) {
  struct Case {
    std::string pnum;
    std::string tail;  // from the point count to the line end
  };
  const std::vector<Case> cases = {
      // No stored point: the closing point alone, with empty texts.
      {"0", "1,,,500.000000," + kNineteenCommas + "\n"},
      {"", "1,,,500.000000," + kNineteenCommas + "\n"},
      {"x", "1,,,500.000000," + kNineteenCommas + "\n"},
      // A negative count is written as PNUM + 1, without any point.
      {"-1", "0," + kNineteenCommas + "\n"},
      {"-5", "-4," + kNineteenCommas + "\n"},
      {"-2147483648", "-2147483647," + kNineteenCommas + "\n"},
      {"-99999999999", "-2147483647," + kNineteenCommas + "\n"},
  };
  std::vector<Room> rooms;
  for (const Case& c : cases) rooms.push_back(WithPointCount(MakeRoom("1F"), c.pnum));
  TestRun run(RoomSource(rooms));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);

  ConvertRoomsAndStorage(run.context);

  ASSERT_EQ(run.context.last_line_index(), static_cast<int>(cases.size()));
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE("//PNUM \"" + cases[i].pnum + "\"");
    const int serial = static_cast<int>(i) + 1;
    EXPECT_EQ(run.context.output_lines.line(serial),
              Head(serial, "101", kYoshitsu) + cases[i].tail);
  }
  EXPECT_EQ(run.log_lines(), std::vector<std::string>{kProgressLine});
}

TEST(ConvertRoomsAndStorage, PointCountBeyondTheSourceSkipsTheRoomWithAWarning) {
  // A damaged count would otherwise build a record of gigabytes.
  TestRun run(RoomSource({WithPointCount(MakeRoom("1F"), "2147483647"), MakeRoom("2F")}));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);

  EXPECT_EQ(ConvertRoomsAndStorage(run.context), 0);

  ASSERT_EQ(run.context.last_line_index(), 1);
  EXPECT_EQ(Fields(run.context.output_lines.line(1))[1], "2");
  EXPECT_EQ(Fields(run.context.output_lines.line(1))[2], "1");
  ASSERT_EQ(run.log_lines().size(), 2u);
  EXPECT_EQ(run.log_lines()[1],
            std::string(kWarningPrefix) +
                "部屋収納（自身情報）の1件目の頂点数2147483647が変換元QVファイルの行数を超える"
                "ためコンバートしません");
}

TEST(ConvertRoomsAndStorage, KindFlagIsOneOnlyForTheTextOne) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"1", "1"}, {"01", "0"}, {" 1", "0"}, {"1 ", "0"}, {"2", "0"}, {"", "0"}};
  std::vector<Room> rooms;
  for (const auto& [kind_text, flag] : cases) rooms.push_back(MakeRoom("1F", kYoshitsu, kind_text));
  TestRun run(RoomSource(rooms));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);

  ConvertRoomsAndStorage(run.context);

  ASSERT_EQ(run.context.last_line_index(), static_cast<int>(cases.size()));
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE("//KIND \"" + cases[i].first + "\"");
    EXPECT_EQ(Fields(run.context.output_lines.line(i + 1))[14], cases[i].second);
  }
}

TEST(ConvertRoomsAndStorage, EveryPointLiesAtTheBottomOfTheRoomsStorey) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"1F", "500.000000"},
      {"2F", "3300.000000"},
      {"3F", "6100.000000"},
      // Any other floor text belongs to no storey and takes level 0.
      {"4F", "0.000000"},
      {"", "0.000000"},
  };
  std::vector<Room> rooms;
  for (const auto& [kai, level] : cases) rooms.push_back(MakeRoom(kai));
  TestRun run(RoomSource(rooms));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);

  ConvertRoomsAndStorage(run.context);

  ASSERT_EQ(run.context.last_line_index(), static_cast<int>(cases.size()));
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE("//KAI \"" + cases[i].first + "\"");
    const std::vector<std::string> fields = Fields(run.context.output_lines.line(i + 1));
    ASSERT_EQ(fields.size(), kFourPointRoomFieldCount);
    EXPECT_EQ(fields[1], cases[i].first.empty() ? "" : cases[i].first.substr(0, 1));
    for (std::size_t level_field = 23; level_field < 36; level_field += 3) {
      EXPECT_EQ(fields[level_field], cases[i].second) << "field " << level_field + 1;
    }
  }
}

TEST(ConvertRoomsAndStorage, NameGivesTheRoomKindAndDisplayName) {
  struct Case {
    std::string name;
    std::string code;
    std::string display;
  };
  const std::vector<Case> cases = {
      {"\x83\x8D\x83\x74\x83\x67", "0", "(\x83\x8D\x83\x74\x83\x67)"},  // ロフト
      {"\x82\x84\x81\x45\x82\x8B", "112", "\x82\x63\x81\x45\x82\x6A"},  // ｄ・ｋ -> Ｄ・Ｋ
      {"\x8A\x4F\x95\x94", "999", "\x8A\x4F\x95\x94"},                  // 外部
      // An empty name is treated as an unknown one.
      {"", "0", "()"},
  };
  std::vector<Room> rooms;
  for (const Case& c : cases) rooms.push_back(MakeRoom("2F", c.name));
  TestRun run(RoomSource(rooms));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);

  ConvertRoomsAndStorage(run.context);

  ASSERT_EQ(run.context.last_line_index(), static_cast<int>(cases.size()));
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    const int serial = static_cast<int>(i) + 1;
    EXPECT_EQ(
        run.context.output_lines.line(serial),
        Head(serial, cases[i].code, cases[i].display, "0", "2") + SquareOutline("3300.000000"));
  }
  // Rooms of code 0 are written all the same; uncounted detail lines say which.
  EXPECT_EQ(run.log_lines(),
            (std::vector<std::string>{
                kProgressLine,
                "詳細：部屋収納（自身情報）の1件目「ロフト」（2階、第1点 (0, 0)）は部屋の種類の表に"
                "ない名前のため種類コード0で書き出しました",
                "詳細：部屋収納（自身情報）の4件目（2階、第1点 (0, 0)）は名前がないため種類コード0"
                "で書き出しました"}));
}

TEST(ConvertRoomsAndStorage, NoRoomsIsAWarning) {
  TestRun run(RoomSource({}));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);

  EXPECT_EQ(ConvertRoomsAndStorage(run.context), 0);

  EXPECT_EQ(run.context.last_line_index(), 0);
  EXPECT_EQ(run.log_lines(),
            (std::vector<std::string>{kProgressLine,
                                      std::string(kWarningPrefix) +
                                          "変換元QVファイルに部屋収納（自身情報）が存在しません"}));
}

TEST(ConvertRoomsAndStorage, NegativeCountEndsSilently) {
  TestRun run(RoomSource("-2", {MakeRoom("1F")}));
  SetLevels(run.context, 3, testing::kThreeStoreyLevels);

  EXPECT_EQ(ConvertRoomsAndStorage(run.context), 0);

  EXPECT_EQ(run.context.last_line_index(), 0);
  EXPECT_EQ(run.log_lines(), std::vector<std::string>{kProgressLine});
}

}  // namespace
}  // namespace peltarix
