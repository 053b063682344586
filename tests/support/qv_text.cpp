#include "support/qv_text.h"

#include <map>

namespace peltarix::testing {

std::string InfoSection(
    std::initializer_list<std::pair<std::string_view, std::string_view>> overrides) {
  std::map<std::string, std::string, std::less<>> values = {
      {"//JOHO_NAME", "SAMPLE HOUSE"},
      {"//JOHO_TNTO", "DESIGN DEPT"},
      {"//JOHO_KOZO", "WOOD"},
      {"//INIT_FL", "2"},
      {"//INIT_PH", "0"},
      {"//INIT_BS", "0"},
      {"//INIT_KISOH", "400"},
      {"1//INIT_KOZO", "WOOD"},
      {"2//INIT_KOZO", "WOOD"},
      {"3//INIT_KOZO", "WOOD"},
      {"1//INIT_HGTNOKI", "2900"},
      {"2//INIT_HGTNOKI", "2800"},
      {"1//INIT_THKFLR", "450"},
      {"2//INIT_THKFLR", "450"},
  };
  for (const auto& [key, value] : overrides) values[std::string(key)] = std::string(value);
  std::string text = "QVINFO\n";
  const auto add = [&](std::string_view stored_key, std::string_view key) {
    const auto found = values.find(stored_key);
    if (found == values.end() || found->second == "<none>") return;
    text += std::string(key) + "\n" + found->second + "\n";
  };
  text += "/JOHO\n";
  for (const char* key : {"//JOHO_NAME", "//JOHO_TNTO", "//JOHO_BIKO", "//JOHO_KOZO"})
    add(key, key);
  text += "ENDSEC\n/INIT\n";
  for (const char* key : {"//INIT_FL", "//INIT_PH", "//INIT_BS", "//INIT_KISOH"}) add(key, key);
  text += "ENDSEC\n";
  for (const char* storey : {"1", "2", "3"}) {
    text += std::string("/KAIJOHO\n") + storey + "\n";
    for (const char* key : {"//INIT_KOZO", "//INIT_HGTNOKI", "//INIT_THKFLR"}) {
      add(std::string(storey) + key, key);
    }
    text += "ENDSEC\n";
  }
  return text + "QVINFOEND\n";
}

std::string RecordSection(std::string_view section, std::string_view group, std::string_view count,
                          const std::vector<SourceRecord>& records) {
  std::string text = std::string(section) + "\nQVDTSMR\n" + std::string(group) + "\n" +
                     std::string(count) + "\nQVDTSMREND\nQVDTDTL\n";
  for (std::size_t i = 0; i < records.size(); ++i) {
    text += std::string(group) + "\n" + std::to_string(i + 1) + "\n";
    for (const auto& [key, value] : records[i]) text += key + "\n" + value + "\n";
    text += "ENDSEC\n";
  }
  return text + "QVDTDTLEND\n" + std::string(section) + "END\n";
}

SourceRecord WithValue(SourceRecord record, std::string_view key, std::string_view value) {
  for (auto& [record_key, record_value] : record) {
    if (record_key == key) record_value = value;
  }
  return record;
}

}  // namespace peltarix::testing
