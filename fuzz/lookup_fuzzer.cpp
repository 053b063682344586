// Fuzzes the indexed source lookups against the literal line scan that they
// replay (the tests' reference model): every value and count the converters
// could ask for must come out the same, whatever the file's bytes.
//
// Input: the source file's bytes. The queries cover numbered and unnumbered
// groups, record by record as the converters ask and then once more in
// another order, so that what the lookup cache remembers between lookups of one
// record number is exercised too.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "source/literal_scan.h"
#include "source/lookup.h"
#include "source/lookup_cache.h"
#include "source/source_index.h"

namespace {

struct Query {
  const char* section;
  const char* group;
  const char* key;
  const char* index;
};

constexpr Query kQueries[] = {
    {"QVINFO", "/INIT", "//INIT_FL", ""},       {"QVINFO", "/JOHO", "//JOHO_KOZO", ""},
    {"QVINFO", "/KAIJOHO", "//INIT_KOZO", "1"}, {"QVINFO", "/KAIJOHO", "//INIT_KOZO", "2"},
    {"HEIMENZU", "/HASIRA", "//KIND", "1"},     {"HEIMENZU", "/HASIRA", "//KAI", "1"},
    {"HEIMENZU", "/HASIRA", "//KIND", "2"},     {"HEIMENZU", "/HASIRA", "//KAI", "2"},
    {"HEIMENZU", "/HEYA", "//PNUM", "1"},       {"HEIMENZU", "/HEYA", "//X1", "1"},
    {"HEIMENZU", "/HEYA", "//Y1", "1"},         {"HEIMENZU", "/HEYA", "//X2", "1"},
    {"HEIMENZU", "/HEYA", "//X1", "2"},         {"HEIMENZU", "/HEYA", "ENDSEC", "2"},
    {"HAICHI_FLOOR", "/FLOORBLK", "//X1", "1"}, {"YANEFUSE", "/YANE", "//X1", "1"},
};

constexpr Query kCounts[] = {
    {"HEIMENZU", "/HASIRA", nullptr, nullptr},
    {"HEIMENZU", "/HEYA", nullptr, nullptr},
    {"HAICHI_FLOOR", "/FLOORBLK", nullptr, nullptr},
};

void CompareValue(const peltarix::SourceIndex& index, peltarix::LookupCache& cache,
                  std::string_view file, const Query& query) {
  const std::string indexed(
      peltarix::LookupValue(index, cache, query.section, query.group, query.key, query.index));
  const std::string literal = peltarix::testing::LiteralLookupValue(
      file, query.section, query.group, query.key, query.index);
  if (indexed == literal) return;
  std::fprintf(stderr, "lookup fuzzer: %s %s %s [%s] gave \"%s\", the line scan \"%s\"\n",
               query.section, query.group, query.key, query.index, indexed.c_str(),
               literal.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  const peltarix::SourceIndex index{peltarix::SourceSnapshot(std::string(file))};
  peltarix::LookupCache cache;
  for (const Query& query : kQueries) CompareValue(index, cache, file, query);
  // Backwards: every record number's lookups are interleaved with others.
  for (std::size_t q = std::size(kQueries); q-- > 0;) CompareValue(index, cache, file, kQueries[q]);
  for (const Query& count : kCounts) {
    if (peltarix::LookupCount(index, count.section, count.group) !=
        peltarix::testing::LiteralLookupCount(file, count.section, count.group)) {
      std::fprintf(stderr, "lookup fuzzer: count of %s %s differs\n", count.section, count.group);
      std::abort();
    }
  }
  return 0;
}
