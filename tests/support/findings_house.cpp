#include "support/findings_house.h"

#include <vector>

#include "support/qv_text.h"

namespace peltarix::testing {
namespace {

SourceRecord Column(const char* kind, const char* kai, const char* x, const char* y) {
  return {{"//KIND", kind},  {"//KAI", kai}, {"//WDTX", "105"},
          {"//WDTY", "105"}, {"//POSX", x},  {"//POSY", y}};
}

SourceRecord Square(SourceRecord head, int x0, int y0, int x1, int y1) {
  const std::vector<std::pair<int, int>> corners = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
  head.emplace_back("//PNUM", "4");
  for (std::size_t k = 0; k < corners.size(); ++k) {
    head.emplace_back("//X" + std::to_string(k + 1), std::to_string(corners[k].first));
    head.emplace_back("//Y" + std::to_string(k + 1), std::to_string(corners[k].second));
  }
  return head;
}

std::string Records(std::string_view group, const std::vector<SourceRecord>& records) {
  std::string text;
  for (std::size_t i = 0; i < records.size(); ++i) {
    text += std::string(group) + "\n" + std::to_string(i + 1) + "\n";
    for (const auto& [key, value] : records[i]) text += key + "\n" + value + "\n";
    text += "ENDSEC\n";
  }
  return text;
}

}  // namespace

std::string FindingsHouseSource() {
  const std::vector<SourceRecord> columns = {
      Column("0", "1F", "0", "0"),       Column("0", "1F", "1000", "0"),
      Column("7", "1F", "2500", "1500"), Column("0", "2F", "10", "10"),
      Column("1", "2F", "3000", "3000"), Column("9", "2F", "1200", "800")};
  // ロフト in CP932.
  const std::string loft = "\x83\x8D\x83\x74\x83\x67";
  const SourceRecord room_head = {
      {"//KIND", "0"}, {"//KIJUNH_YUKA", "0"}, {"//HEYA_TENJOH", "2400"}};
  SourceRecord washitsu = room_head;
  washitsu.insert(washitsu.begin(), {{"//KAI", "1F"}, {"//NAME", "\x98\x61\x8E\xBA"}});
  SourceRecord loft_room = room_head;
  loft_room.insert(loft_room.begin(), {{"//KAI", "2F"}, {"//NAME", loft}});
  const std::vector<SourceRecord> rooms = {Square(washitsu, 0, 0, 2000, 2000),
                                           Square(loft_room, 0, 0, 3000, 2000)};
  const std::string plan = "HEIMENZU\nQVDTSMR\n/HASIRA\n6\n/HEYA\n2\nQVDTSMREND\nQVDTDTL\n" +
                           Records("/HASIRA", columns) + Records("/HEYA", rooms) +
                           "QVDTDTLEND\nHEIMENZUEND\n";
  // Block 1 is a bow tie: its first and third edges cross at (2000, 2000).
  const SourceRecord bow_tie = {{"//KAI", "1"},   {"//PNUM", "4"},  {"//X1", "0"},    {"//Y1", "0"},
                                {"//X2", "4000"}, {"//Y2", "4000"}, {"//X3", "4000"}, {"//Y3", "0"},
                                {"//X4", "0"},    {"//Y4", "4000"}};
  const std::string floors = RecordSection("HAICHI_FLOOR", "/FLOORBLK", "2",
                                           {bow_tie, Square({{"//KAI", "2"}}, 0, 0, 4000, 4000)});
  const SourceRecord roof_head = {{"//KOBAI", "4"},    {"//YANE_KX1", "0"},
                                  {"//YANE_KY1", "0"}, {"//YANE_KX2", "4000"},
                                  {"//YANE_KY2", "0"}, {"//YANE_LINEATTR1", "1"}};
  SourceRecord wooden = roof_head;
  wooden.insert(wooden.begin(), {{"//YANE_KOZO", "0"}, {"//KAI", "2F"}});
  SourceRecord steel = roof_head;
  steel.insert(steel.begin(), {{"//YANE_KOZO", "1"}, {"//KAI", "1F"}});
  const std::string roofs =
      RecordSection("YANEFUSE", "/YANE", "2",
                    {Square(wooden, -300, -300, 4300, 2000), Square(steel, 5000, 0, 7000, 1000)});
  return InfoSection() + plan + floors + roofs;
}

}  // namespace peltarix::testing
