#include "run/run_context.h"

#include "source/lookup.h"

namespace peltarix {

std::string_view RunContext::LookupValue(std::string_view section, std::string_view group,
                                         std::string_view key, std::string_view index) const {
  return peltarix::LookupValue(source_, lookup_cache_, section, group, key, index);
}

int RunContext::LookupCount(std::string_view section, std::string_view key) const {
  return peltarix::LookupCount(source_, section, key);
}

std::string& RunContext::StartLine() {
  // A line grows by doubling while it is written, which can leave up to half
  // of its block unused; records outnumber everything else held in a run, so
  // the finished line gives the excess back. Records of one kind come in a
  // row with similar lengths: the next line starts with room for as many
  // bytes as the last one.
  std::size_t expected = 0;
  if (output_lines.size() > 1) {
    std::string& finished = output_lines.back();
    expected = finished.size();
    if (finished.capacity() > expected + expected / 8 + 32) finished.shrink_to_fit();
  }
  output_lines.emplace_back().reserve(expected);
  return output_lines.back();
}

}  // namespace peltarix
