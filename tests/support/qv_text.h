#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace peltarix::testing {

// Lines joined with "\n", for writing test sources readably.
inline std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (const std::string_view line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

// A "QVINFO" section for a building that passes validation unless a test
// replaces one of its values: `overrides` are (key, value) pairs, and a
// value of "<none>" leaves the key out.
std::string InfoSection(
    std::initializer_list<std::pair<std::string_view, std::string_view>> overrides = {});

// One record's (key, value) lines in order.
using SourceRecord = std::vector<std::pair<std::string, std::string>>;

// A section whose summary block gives `group` the count `count` and whose
// detail block holds `records`, numbered from 1, each closed by ENDSEC.
std::string RecordSection(std::string_view section, std::string_view group, std::string_view count,
                          const std::vector<SourceRecord>& records);

// `record` with the value of `key` replaced where it stands.
SourceRecord WithValue(SourceRecord record, std::string_view key, std::string_view value);

}  // namespace peltarix::testing
