#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace peltarix::bench {

// A made-up source of about `target_bytes` bytes that passes validation: a
// two-storey wooden house whose columns, rooms and roofs repeat until the
// size is reached, with a few perimeter blocks per floor. Line ends are
// CR LF, as the CAD system writes them.
std::string GenerateSource(std::size_t target_bytes);

// Every (section, group, key, index) that the converters would look up in a
// generated source, in the order they would ask.
struct Lookup {
  std::string section;
  std::string group;
  std::string key;
  std::string index;
};
std::vector<Lookup> ConverterLookups(const std::string& source);

}  // namespace peltarix::bench
