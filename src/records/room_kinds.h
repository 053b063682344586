#pragma once

#include <span>
#include <string>
#include <string_view>

namespace peltarix {

// One entry of the room kind table: a room name as the CAD system spells it
// (CP932 bytes) and the target program's room kind code.
struct RoomKind {
  std::string_view name;
  int code = 0;
};

// The 85 room names and their codes in table order; the names as CP932
// bytes, fixed in the program.
std::span<const RoomKind> RoomKindTable();

// Compares two CP932 texts character by character without regard to letter
// case, as the Windows runtime's _mbsicmp does under code page 932:
// - bytes 81-9F and E0-FC lead a two-byte character together with the next
//   byte; every other byte, half-width katakana included, is a character;
// - ASCII A-Z fold to a-z, full-width Ａ-Ｚ (8260-8279) to ａ-ｚ (8281-829A);
//   nothing else folds;
// - a lead byte at the very end of a text ends the text.
bool ShiftJisEqualIgnoringCase(std::string_view left, std::string_view right);

// The table entry whose name equals `name` but for letter case, if any.
const RoomKind* FindRoomKind(std::string_view name);

// Maps a room name to its room kind code and the name to display. A name in
// the table gives the entry's code and the entry's own spelling (which may
// differ from the source in letter case only); any other name gives code 0
// and the name between ASCII parentheses. Returns 0, or -1 for an empty
// name, which leaves both outputs untouched.
int ClassifyRoomName(std::string_view name, int& kind_code, std::string& display_name);

}  // namespace peltarix
