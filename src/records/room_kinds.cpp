#include "records/room_kinds.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace peltarix {
namespace {

// The room kind table in the CP932 bytes of the source file, each name
// spelled in a comment above it. The names are bytes in the program rather
// than converted on first use: a run needs no allocation and no converter
// to classify a room. The half-width katakana are part of the names: the
// CAD system writes these few names so, and a full-width spelling of them
// is a different name.
constexpr std::array<RoomKind, 85> kRoomKinds = {{
    // 和室: Japanese-style room
    {"\x98\x61\x8E\xBA", 1},
    // 床の間: alcove
    {"\x8F\xB0\x82\xCC\x8A\xD4", 31},
    // 仏間: altar room
    {"\x95\xA7\x8A\xD4", 32},
    // 地袋付仏間: altar room with low cupboard
    {"\x92\x6E\x91\xDC\x95\x74\x95\xA7\x8A\xD4", 33},
    // 書院: study alcove
    {"\x8F\x91\x89\x40", 34},
    // 地袋室: low-cupboard space
    {"\x92\x6E\x91\xDC\x8E\xBA", 35},
    // 板の間: board-floored space
    {"\x94\xC2\x82\xCC\x8A\xD4", 36},
    // 踏込: step-in floor
    {"\x93\xA5\x8D\x9E", 37},
    // 付書院: built-in desk alcove
    {"\x95\x74\x8F\x91\x89\x40", 38},
    // 押入: closet
    {"\x89\x9F\x93\xFC", 39},
    // 広縁: wide veranda
    {"\x8D\x4C\x89\x8F", 40},
    // 縁側: veranda
    {"\x89\x8F\x91\xA4", 41},
    // 造付家具室: built-in furniture space
    {"\x91\xA2\x95\x74\x89\xC6\x8B\xEF\x8E\xBA", 42},
    // 床脇室: space beside the alcove
    {"\x8F\xB0\x98\x65\x8E\xBA", 43},
    // 天袋付地袋室: low-cupboard space with upper cupboard
    {"\x93\x56\x91\xDC\x95\x74\x92\x6E\x91\xDC\x8E\xBA", 52},
    // 天袋付板の間: board-floored space with upper cupboard
    {"\x93\x56\x91\xDC\x95\x74\x94\xC2\x82\xCC\x8A\xD4", 53},
    // 天袋付押入: closet with upper cupboard
    {"\x93\x56\x91\xDC\x95\x74\x89\x9F\x93\xFC", 54},
    // 吊押入付床の間: alcove with hanging closet
    {"\x92\xDD\x89\x9F\x93\xFC\x95\x74\x8F\xB0\x82\xCC\x8A\xD4", 71},
    // 天袋付吊押入付床の間: alcove with hanging closet and upper cupboard
    {"\x93\x56\x91\xDC\x95\x74\x92\xDD\x89\x9F\x93\xFC\x95\x74\x8F\xB0\x82\xCC\x8A\xD4", 72},
    // 地袋付押入: closet with low cupboard
    {"\x92\x6E\x91\xDC\x95\x74\x89\x9F\x93\xFC", 73},
    // 地袋付天袋付押入: closet with low and upper cupboards
    {"\x92\x6E\x91\xDC\x95\x74\x93\x56\x91\xDC\x95\x74\x89\x9F\x93\xFC", 74},
    // 洋室: Western-style room
    {"\x97\x6D\x8E\xBA", 101},
    // 寝室: bedroom
    {"\x90\x51\x8E\xBA", 104},
    // 書斎: study
    {"\x8F\x91\x8D\xD6", 105},
    // 子供部屋: children's room
    {"\x8E\x71\x8B\x9F\x95\x94\x89\xAE", 106},
    // 応接室: reception room
    {"\x89\x9E\x90\xDA\x8E\xBA", 107},
    // 納戸: storeroom
    {"\x94\x5B\x8C\xCB", 108},
    // 居間: living room
    {"\x8B\x8F\x8A\xD4", 109},
    // 食堂: dining room
    {"\x90\x48\x93\xB0", 110},
    // 台所: kitchen
    {"\x91\xE4\x8F\x8A", 111},
    // Ｄ・Ｋ: dining-kitchen
    {"\x82\x63\x81\x45\x82\x6A", 112},
    // Ｌ・Ｄ: living-dining
    {"\x82\x6B\x81\x45\x82\x63", 113},
    // 家事室: housework room
    {"\x89\xC6\x8E\x96\x8E\xBA", 114},
    // 事務所: office
    {"\x8E\x96\x96\xB1\x8F\x8A", 120},
    // 便所: toilet
    {"\x95\xD6\x8F\x8A", 141},
    // 洗面所: washroom
    {"\x90\xF4\x96\xCA\x8F\x8A", 142},
    // 脱衣所: changing room
    {"\x92\x45\x88\xDF\x8F\x8A", 143},
    // 化粧室: powder room
    {"\x89\xBB\x8F\xCF\x8E\xBA", 144},
    // ユーティリティ: utility room
    {"\x83\x86\x81\x5B\x83\x65\x83\x42\x83\x8A\x83\x65\x83\x42", 145},
    // 物入: storage cupboard
    {"\x95\xA8\x93\xFC", 146},
    // 天袋付物入: storage cupboard with upper cupboard
    {"\x93\x56\x91\xDC\x95\x74\x95\xA8\x93\xFC", 147},
    // 洋服入: wardrobe
    {"\x97\x6D\x95\x9E\x93\xFC", 148},
    // 天袋付洋服入: wardrobe with upper cupboard
    {"\x93\x56\x91\xDC\x95\x74\x97\x6D\x95\x9E\x93\xFC", 149},
    // 地袋付洋服入: wardrobe with low cupboard
    {"\x92\x6E\x91\xDC\x95\x74\x97\x6D\x95\x9E\x93\xFC", 150},
    // 地袋付天袋付洋服入: wardrobe with low and upper cupboards
    {"\x92\x6E\x91\xDC\x95\x74\x93\x56\x91\xDC\x95\x74\x97\x6D\x95\x9E\x93\xFC", 151},
    // ｳｫｰｸｲﾝｸﾛｾﾞｯﾄ: walk-in closet (half-width katakana)
    {"\xB3\xAB\xB0\xB8\xB2\xDD\xB8\xDB\xBE\xDE\xAF\xC4", 152},
    // 式台室: entrance step space
    {"\x8E\xAE\x91\xE4\x8E\xBA", 160},
    // ホール: hall
    {"\x83\x7A\x81\x5B\x83\x8B", 161},
    // 廊下: corridor
    {"\x98\x4C\x89\xBA", 162},
    // 吹抜室: open void
    {"\x90\x81\x94\xB2\x8E\xBA", 163},
    // 階段室: stairwell
    {"\x8A\x4B\x92\x69\x8E\xBA", 164},
    // ｽﾄﾘｯﾌﾟ階段室: strip stairwell
    {"\xBD\xC4\xD8\xAF\xCC\xDF\x8A\x4B\x92\x69\x8E\xBA", 165},
    // 合成階段室: composite stairwell
    {"\x8D\x87\x90\xAC\x8A\x4B\x92\x69\x8E\xBA", 166},
    // ﾊﾟｲﾌﾟｽﾍﾟｰｽ: pipe space
    {"\xCA\xDF\xB2\xCC\xDF\xBD\xCD\xDF\xB0\xBD", 171},
    // 洋室系無名室: unnamed Western-type room
    {"\x97\x6D\x8E\xBA\x8C\x6E\x96\xB3\x96\xBC\x8E\xBA", 172},
    // 出窓Ａタイプ: bay window, type A
    {"\x8F\x6F\x91\x8B\x82\x60\x83\x5E\x83\x43\x83\x76", 181},
    // 出窓Ｂタイプ: bay window, type B
    {"\x8F\x6F\x91\x8B\x82\x61\x83\x5E\x83\x43\x83\x76", 182},
    // 出窓Ｅタイプ: bay window, type E
    {"\x8F\x6F\x91\x8B\x82\x64\x83\x5E\x83\x43\x83\x76", 185},
    // 仕上無室: unfinished room
    {"\x8E\x64\x8F\xE3\x96\xB3\x8E\xBA", 199},
    // 浴室: bathroom
    {"\x97\x81\x8E\xBA", 301},
    // ボイラ室: boiler room
    {"\x83\x7B\x83\x43\x83\x89\x8E\xBA", 302},
    // 玄関: entrance
    {"\x8C\xBA\x8A\xD6", 321},
    // 勝手口: back door
    {"\x8F\x9F\x8E\xE8\x8C\xFB", 322},
    // ガレージ: garage
    {"\x83\x4B\x83\x8C\x81\x5B\x83\x57", 323},
    // 物置: shed
    {"\x95\xA8\x92\x75", 324},
    // 店舗: shop
    {"\x93\x58\x95\xDC", 325},
    // 事務室: office room
    {"\x8E\x96\x96\xB1\x8E\xBA", 326},
    // 内部土間無名室: unnamed inner earth-floor space
    {"\x93\xE0\x95\x94\x93\x79\x8A\xD4\x96\xB3\x96\xBC\x8E\xBA", 367},
    // ポーチ室: porch
    {"\x83\x7C\x81\x5B\x83\x60\x8E\xBA", 501},
    // 勝手口ポーチ室: back-door porch
    {"\x8F\x9F\x8E\xE8\x8C\xFB\x83\x7C\x81\x5B\x83\x60\x8E\xBA", 502},
    // テラス室: terrace
    {"\x83\x65\x83\x89\x83\x58\x8E\xBA", 503},
    // バルコニー室: balcony space
    {"\x83\x6F\x83\x8B\x83\x52\x83\x6A\x81\x5B\x8E\xBA", 504},
    // 捨て柱室: free-standing post space
    {"\x8E\xCC\x82\xC4\x92\x8C\x8E\xBA", 505},
    // 外部吹抜室: outdoor void
    {"\x8A\x4F\x95\x94\x90\x81\x94\xB2\x8E\xBA", 506},
    // 歩廊室: walkway space
    {"\x95\xE0\x98\x4C\x8E\xBA", 507},
    // ハネ出下部室: space under a cantilever
    {"\x83\x6E\x83\x6C\x8F\x6F\x89\xBA\x95\x94\x8E\xBA", 510},
    // ハネ出用ﾃﾗｽ室: cantilever terrace
    {"\x83\x6E\x83\x6C\x8F\x6F\x97\x70\xC3\xD7\xBD\x8E\xBA", 511},
    // ポーチ土間: porch earth floor
    {"\x83\x7C\x81\x5B\x83\x60\x93\x79\x8A\xD4", 521},
    // 勝手口ﾎﾟｰﾁ土間: back-door porch earth floor
    {"\x8F\x9F\x8E\xE8\x8C\xFB\xCE\xDF\xB0\xC1\x93\x79\x8A\xD4", 522},
    // テラス土間: terrace earth floor
    {"\x83\x65\x83\x89\x83\x58\x93\x79\x8A\xD4", 523},
    // バルコニー: balcony
    {"\x83\x6F\x83\x8B\x83\x52\x83\x6A\x81\x5B", 524},
    // 歩廊: walkway
    {"\x95\xE0\x98\x4C", 527},
    // 外部土間無名室: unnamed outdoor earth-floor space
    {"\x8A\x4F\x95\x94\x93\x79\x8A\xD4\x96\xB3\x96\xBC\x8E\xBA", 528},
    // 外部階段室: outdoor stairwell
    {"\x8A\x4F\x95\x94\x8A\x4B\x92\x69\x8E\xBA", 541},
    // 外部: outdoors
    {"\x8A\x4F\x95\x94", 999},
}};

constexpr bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The character at `position`, case-folded, and the position after it; no
// value at the end of the text (a lead byte without its second byte ends
// the text too).
constexpr std::optional<unsigned> NextFoldedCharacter(std::string_view text,
                                                      std::size_t& position) {
  if (position >= text.size()) return std::nullopt;
  const unsigned char first = static_cast<unsigned char>(text[position]);
  if (!IsLeadByte(first)) {
    ++position;
    return (first >= 'A' && first <= 'Z') ? first + ('a' - 'A') : first;
  }
  if (position + 1 >= text.size()) return std::nullopt;
  const unsigned char second = static_cast<unsigned char>(text[position + 1]);
  position += 2;
  const unsigned character = (static_cast<unsigned>(first) << 8) | second;
  constexpr unsigned kFullWidthCapitalA = 0x8260;
  constexpr unsigned kFullWidthCapitalZ = 0x8279;
  constexpr unsigned kFullWidthSmallA = 0x8281;
  if (character >= kFullWidthCapitalA && character <= kFullWidthCapitalZ) {
    return character - kFullWidthCapitalA + kFullWidthSmallA;
  }
  return character;
}

// FNV-1a over the folded characters: texts that are equal but for letter
// case hash alike.
constexpr std::uint64_t FoldedHash(std::string_view text) {
  std::uint64_t hash = 14695981039346656037u;
  std::size_t position = 0;
  while (const std::optional<unsigned> character = NextFoldedCharacter(text, position)) {
    hash = (hash ^ *character) * 1099511628211u;
  }
  return hash;
}

struct HashedKind {
  std::uint64_t hash;
  std::size_t index;  // in kRoomKinds
  constexpr bool operator<(const HashedKind& other) const {
    return hash != other.hash ? hash < other.hash : index < other.index;
  }
};

// The table by the folded hashes of its names, so that a room name is
// compared with the one or two entries that can match it rather than all;
// entries of one hash stay in table order. Built by the compiler.
constexpr std::array<HashedKind, kRoomKinds.size()> kHashedKinds = [] {
  std::array<HashedKind, kRoomKinds.size()> entries{};
  for (std::size_t index = 0; index < kRoomKinds.size(); ++index) {
    entries[index] = {FoldedHash(kRoomKinds[index].name), index};
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}();

}  // namespace

std::span<const RoomKind> RoomKindTable() { return kRoomKinds; }

bool ShiftJisEqualIgnoringCase(std::string_view left, std::string_view right) {
  std::size_t left_position = 0;
  std::size_t right_position = 0;
  while (true) {
    const std::optional<unsigned> left_character = NextFoldedCharacter(left, left_position);
    const std::optional<unsigned> right_character = NextFoldedCharacter(right, right_position);
    if (!left_character || !right_character) return !left_character && !right_character;
    if (*left_character != *right_character) return false;
  }
}

const RoomKind* FindRoomKind(std::string_view name) {
  // In table order among equal hashes, so the first entry in the table wins.
  const std::uint64_t hash = FoldedHash(name);
  for (auto entry = std::lower_bound(kHashedKinds.begin(), kHashedKinds.end(), HashedKind{hash, 0});
       entry != kHashedKinds.end() && entry->hash == hash; ++entry) {
    const RoomKind& kind = kRoomKinds[entry->index];
    if (ShiftJisEqualIgnoringCase(name, kind.name)) return &kind;
  }
  return nullptr;
}

int ClassifyRoomName(std::string_view name, int& kind_code, std::string& display_name) {
  if (name.empty()) return -1;
  if (const RoomKind* kind = FindRoomKind(name)) {
    kind_code = kind->code;
    display_name = kind->name;
    return 0;
  }
  kind_code = 0;
  display_name.assign("(").append(name).append(")");
  return 0;
}

}  // namespace peltarix
