#include "records/room_kinds.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "records/cp932_encode.h"

namespace peltarix {
namespace {

struct RoomKindSpelling {
  std::u8string_view name;
  int code;
};

// The room kind table as a person reads it. The names are held in UTF-8
// (u8 literals, so no compiler setting changes them) and turned into the
// CP932 bytes of the source file once, on first use. The half-width
// katakana are part of the names: the CAD system writes these few names so,
// and a full-width spelling of them is a different name.
constexpr std::array<RoomKindSpelling, 85> kRoomKindSpellings = {{
    {u8"和室", 1},                   // Japanese-style room
    {u8"床の間", 31},                // alcove
    {u8"仏間", 32},                  // altar room
    {u8"地袋付仏間", 33},            // altar room with low cupboard
    {u8"書院", 34},                  // study alcove
    {u8"地袋室", 35},                // low-cupboard space
    {u8"板の間", 36},                // board-floored space
    {u8"踏込", 37},                  // step-in floor
    {u8"付書院", 38},                // built-in desk alcove
    {u8"押入", 39},                  // closet
    {u8"広縁", 40},                  // wide veranda
    {u8"縁側", 41},                  // veranda
    {u8"造付家具室", 42},            // built-in furniture space
    {u8"床脇室", 43},                // space beside the alcove
    {u8"天袋付地袋室", 52},          // low-cupboard space with upper cupboard
    {u8"天袋付板の間", 53},          // board-floored space with upper cupboard
    {u8"天袋付押入", 54},            // closet with upper cupboard
    {u8"吊押入付床の間", 71},        // alcove with hanging closet
    {u8"天袋付吊押入付床の間", 72},  // alcove with hanging closet and upper cupboard
    {u8"地袋付押入", 73},            // closet with low cupboard
    {u8"地袋付天袋付押入", 74},      // closet with low and upper cupboards
    {u8"洋室", 101},                 // Western-style room
    {u8"寝室", 104},                 // bedroom
    {u8"書斎", 105},                 // study
    {u8"子供部屋", 106},             // children's room
    {u8"応接室", 107},               // reception room
    {u8"納戸", 108},                 // storeroom
    {u8"居間", 109},                 // living room
    {u8"食堂", 110},                 // dining room
    {u8"台所", 111},                 // kitchen
    {u8"Ｄ・Ｋ", 112},               // dining-kitchen
    {u8"Ｌ・Ｄ", 113},               // living-dining
    {u8"家事室", 114},               // housework room
    {u8"事務所", 120},               // office
    {u8"便所", 141},                 // toilet
    {u8"洗面所", 142},               // washroom
    {u8"脱衣所", 143},               // changing room
    {u8"化粧室", 144},               // powder room
    {u8"ユーティリティ", 145},       // utility room
    {u8"物入", 146},                 // storage cupboard
    {u8"天袋付物入", 147},           // storage cupboard with upper cupboard
    {u8"洋服入", 148},               // wardrobe
    {u8"天袋付洋服入", 149},         // wardrobe with upper cupboard
    {u8"地袋付洋服入", 150},         // wardrobe with low cupboard
    {u8"地袋付天袋付洋服入", 151},   // wardrobe with low and upper cupboards
    {u8"ｳｫｰｸｲﾝｸﾛｾﾞｯﾄ", 152},         // walk-in closet (half-width katakana)
    {u8"式台室", 160},               // entrance step space
    {u8"ホール", 161},               // hall
    {u8"廊下", 162},                 // corridor
    {u8"吹抜室", 163},               // open void
    {u8"階段室", 164},               // stairwell
    {u8"ｽﾄﾘｯﾌﾟ階段室", 165},         // strip stairwell
    {u8"合成階段室", 166},           // composite stairwell
    {u8"ﾊﾟｲﾌﾟｽﾍﾟｰｽ", 171},           // pipe space
    {u8"洋室系無名室", 172},         // unnamed Western-type room
    {u8"出窓Ａタイプ", 181},         // bay window, type A
    {u8"出窓Ｂタイプ", 182},         // bay window, type B
    {u8"出窓Ｅタイプ", 185},         // bay window, type E
    {u8"仕上無室", 199},             // unfinished room
    {u8"浴室", 301},                 // bathroom
    {u8"ボイラ室", 302},             // boiler room
    {u8"玄関", 321},                 // entrance
    {u8"勝手口", 322},               // back door
    {u8"ガレージ", 323},             // garage
    {u8"物置", 324},                 // shed
    {u8"店舗", 325},                 // shop
    {u8"事務室", 326},               // office room
    {u8"内部土間無名室", 367},       // unnamed inner earth-floor space
    {u8"ポーチ室", 501},             // porch
    {u8"勝手口ポーチ室", 502},       // back-door porch
    {u8"テラス室", 503},             // terrace
    {u8"バルコニー室", 504},         // balcony space
    {u8"捨て柱室", 505},             // free-standing post space
    {u8"外部吹抜室", 506},           // outdoor void
    {u8"歩廊室", 507},               // walkway space
    {u8"ハネ出下部室", 510},         // space under a cantilever
    {u8"ハネ出用ﾃﾗｽ室", 511},        // cantilever terrace
    {u8"ポーチ土間", 521},           // porch earth floor
    {u8"勝手口ﾎﾟｰﾁ土間", 522},       // back-door porch earth floor
    {u8"テラス土間", 523},           // terrace earth floor
    {u8"バルコニー", 524},           // balcony
    {u8"歩廊", 527},                 // walkway
    {u8"外部土間無名室", 528},       // unnamed outdoor earth-floor space
    {u8"外部階段室", 541},           // outdoor stairwell
    {u8"外部", 999},                 // outdoors
}};

std::vector<RoomKind> DeriveRoomKindTable() {
  std::vector<RoomKind> table;
  table.reserve(kRoomKindSpellings.size());
  for (const RoomKindSpelling& spelling : kRoomKindSpellings) {
    const std::string_view utf8(reinterpret_cast<const char*>(spelling.name.data()),
                                spelling.name.size());
    std::optional<std::string> cp932 = Cp932FromUtf8(utf8);
    if (!cp932) {
      throw std::runtime_error("room kind table: no CP932 spelling for " + std::string(utf8));
    }
    table.push_back(RoomKind{std::move(*cp932), spelling.code});
  }
  return table;
}

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The character at `position`, case-folded, and the position after it; no
// value at the end of the text (a lead byte without its second byte ends
// the text too).
std::optional<unsigned> NextFoldedCharacter(std::string_view text, std::size_t& position) {
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
std::uint64_t FoldedHash(std::string_view text) {
  std::uint64_t hash = 14695981039346656037u;
  std::size_t position = 0;
  while (const std::optional<unsigned> character = NextFoldedCharacter(text, position)) {
    hash = (hash ^ *character) * 1099511628211u;
  }
  return hash;
}

struct HashedKind {
  std::uint64_t hash;
  const RoomKind* kind;
  bool operator<(const HashedKind& other) const { return hash < other.hash; }
};

// The table by the folded hashes of its names, so that a room name is
// compared with the one or two entries that can match it rather than all.
const std::vector<HashedKind>& HashedTable() {
  static const std::vector<HashedKind> hashed = [] {
    std::vector<HashedKind> entries;
    for (const RoomKind& kind : RoomKindTable()) entries.push_back({FoldedHash(kind.name), &kind});
    std::stable_sort(entries.begin(), entries.end());
    return entries;
  }();
  return hashed;
}

}  // namespace

const std::vector<RoomKind>& RoomKindTable() {
  static const std::vector<RoomKind> table = DeriveRoomKindTable();
  return table;
}

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
  const std::vector<HashedKind>& table = HashedTable();
  // In table order among equal hashes, so the first entry in the table wins.
  const auto [first, last] =
      std::equal_range(table.begin(), table.end(), HashedKind{FoldedHash(name), nullptr});
  for (auto entry = first; entry != last; ++entry) {
    if (ShiftJisEqualIgnoringCase(name, entry->kind->name)) return entry->kind;
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
