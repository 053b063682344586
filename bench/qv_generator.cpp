#include "qv_generator.h"

#include <string_view>

#include "source/lookup.h"
#include "source/source_index.h"

namespace peltarix::bench {
namespace {

constexpr int kBlocksPerFloor = 3;

class Writer {
 public:
  void Line(std::string_view text) {
    text_ += text;
    text_ += "\r\n";
  }
  void Key(std::string_view key, std::string_view value) {
    Line(key);
    Line(value);
  }
  void Rectangle(int x, int y, int width, int depth) {
    Key("//PNUM", "4");
    const int xs[] = {x, x + width, x + width, x};
    const int ys[] = {y, y, y + depth, y + depth};
    for (int k = 0; k < 4; ++k) {
      Key("//X" + std::to_string(k + 1), std::to_string(xs[k]));
      Key("//Y" + std::to_string(k + 1), std::to_string(ys[k]));
    }
  }
  std::string& text() { return text_; }

 private:
  std::string text_;
};

void WriteInfo(Writer& out) {
  out.Line("QVINFO");
  out.Line("/JOHO");
  out.Key("//JOHO_NAME", "BENCH HOUSE");
  out.Key("//JOHO_TNTO", "BENCH");
  out.Key("//JOHO_KOZO", "WOOD");
  out.Line("ENDSEC");
  out.Line("/INIT");
  out.Key("//INIT_FL", "2");
  out.Key("//INIT_PH", "0");
  out.Key("//INIT_BS", "0");
  out.Key("//INIT_KISOH", "400");
  out.Line("ENDSEC");
  for (const char* storey : {"1", "2"}) {
    out.Line("/KAIJOHO");
    out.Line(storey);
    out.Key("//INIT_KOZO", "WOOD");
    out.Key("//INIT_HGTNOKI", "2900");
    out.Key("//INIT_THKFLR", "450");
    out.Line("ENDSEC");
  }
  out.Line("QVINFOEND");
}

void WriteSummary(Writer& out, std::string_view section,
                  std::initializer_list<std::pair<std::string_view, int>> groups) {
  out.Line(section);
  out.Line("QVDTSMR");
  for (const auto& [group, count] : groups) out.Key(group, std::to_string(count));
  out.Line("QVDTSMREND");
  out.Line("QVDTDTL");
}

void WriteSectionEnd(Writer& out, std::string_view section) {
  out.Line("QVDTDTLEND");
  out.Line(std::string(section) + "END");
}

}  // namespace

std::string GenerateSource(std::size_t target_bytes) {
  // Bytes per repeated unit (one column, one room, one roof), measured once.
  constexpr std::size_t kUnitBytes = 620;
  const int units = static_cast<int>(target_bytes / kUnitBytes) + 1;
  Writer out;
  WriteInfo(out);

  WriteSummary(out, "HEIMENZU", {{"/HASIRA", units}, {"/HEYA", units}});
  for (int n = 1; n <= units; ++n) {
    out.Line("/HASIRA");
    out.Line(std::to_string(n));
    out.Key("//KIND", std::to_string(n % 6));
    out.Key("//KAI", n % 2 ? "1F" : "2F");
    out.Key("//WDTX", "105");
    out.Key("//WDTY", "105");
    out.Key("//POSX", std::to_string(910 * (n % 10)));
    out.Key("//POSY", std::to_string(910 * (n % 8)));
    out.Line("ENDSEC");
  }
  for (int n = 1; n <= units; ++n) {
    out.Line("/HEYA");
    out.Line(std::to_string(n));
    out.Key("//KAI", n % 2 ? "1F" : "2F");
    out.Key("//NAME", "ROOM");
    out.Key("//KIND", "1");
    out.Key("//KIJUNH_YUKA", "450");
    out.Key("//HEYA_TENJOH", "2400");
    out.Rectangle(910 * (n % 10), 910 * (n % 8), 1820, 2730);
    out.Line("ENDSEC");
  }
  WriteSectionEnd(out, "HEIMENZU");

  WriteSummary(out, "HAICHI_FLOOR", {{"/FLOORBLK", 2 * kBlocksPerFloor}});
  for (int n = 1; n <= 2 * kBlocksPerFloor; ++n) {
    out.Line("/FLOORBLK");
    out.Line(std::to_string(n));
    out.Key("//KAI", n <= kBlocksPerFloor ? "1" : "2");
    out.Rectangle(2730 * (n % kBlocksPerFloor), 0, 3640, 5460);
    out.Line("ENDSEC");
  }
  WriteSectionEnd(out, "HAICHI_FLOOR");

  WriteSummary(out, "YANEFUSE", {{"/YANE", units}});
  for (int n = 1; n <= units; ++n) {
    out.Line("/YANE");
    out.Line(std::to_string(n));
    out.Key("//YANE_KOZO", n % 7 ? "0" : "1");
    out.Key("//KAI", n % 2 ? "1F" : "2F");
    out.Key("//KOBAI", "4");
    out.Key("//YANE_KX1", "0");
    out.Key("//YANE_KY1", "0");
    out.Key("//YANE_KX2", "7280");
    out.Key("//YANE_KY2", "0");
    out.Rectangle(0, 0, 7280, 2730);
    for (int k = 1; k <= 4; ++k) out.Key("//YANE_LINEATTR" + std::to_string(k), k == 1 ? "1" : "0");
    out.Line("ENDSEC");
  }
  WriteSectionEnd(out, "YANEFUSE");
  return std::move(out.text());
}

std::vector<Lookup> ConverterLookups(const std::string& source) {
  const SourceIndex index{SourceSnapshot(source)};
  std::vector<Lookup> lookups;
  const auto add_records = [&](const char* section, const char* group,
                               std::initializer_list<const char*> keys, bool points, bool edges) {
    const int count = LookupCount(index, section, group);
    for (int n = 1; n <= count; ++n) {
      const std::string number = std::to_string(n);
      for (const char* key : keys) lookups.push_back({section, group, key, number});
      if (!points) continue;
      for (int k = 1; k <= 4; ++k) {
        lookups.push_back({section, group, "//X" + std::to_string(k), number});
        lookups.push_back({section, group, "//Y" + std::to_string(k), number});
        if (edges)
          lookups.push_back({section, group, "//YANE_LINEATTR" + std::to_string(k), number});
      }
    }
  };
  add_records("HEIMENZU", "/HASIRA", {"//KIND", "//KAI", "//WDTX", "//WDTY", "//POSX", "//POSY"},
              false, false);
  add_records("HEIMENZU", "/HEYA",
              {"//KAI", "//NAME", "//KIND", "//KIJUNH_YUKA", "//HEYA_TENJOH", "//PNUM"}, true,
              false);
  add_records("HAICHI_FLOOR", "/FLOORBLK", {"//KAI", "//PNUM"}, true, false);
  add_records("YANEFUSE", "/YANE",
              {"//YANE_KOZO", "//KAI", "//KOBAI", "//YANE_KX1", "//YANE_KY1", "//YANE_KX2",
               "//YANE_KY2", "//PNUM"},
              true, true);
  return lookups;
}

}  // namespace peltarix::bench
