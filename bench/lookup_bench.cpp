// Lookups on generated sources of 1, 2 and 4 MB: the literal scan that walks
// the file from its first line for every value, against the indexed
// lookups. Each reports its time per lookup.

#include <benchmark/benchmark.h>

#include <map>

#include "qv_generator.h"
#include "source/literal_scan.h"
#include "source/lookup.h"
#include "source/lookup_cache.h"
#include "source/source_index.h"

namespace peltarix::bench {
namespace {

constexpr std::size_t kMegabyte = 1 << 20;

struct Prepared {
  std::string source;
  std::vector<Lookup> lookups;
};

const Prepared& PreparedSource(std::size_t megabytes) {
  static std::map<std::size_t, Prepared> cache;
  auto found = cache.find(megabytes);
  if (found == cache.end()) {
    std::string source = GenerateSource(megabytes * kMegabyte);
    std::vector<Lookup> lookups = ConverterLookups(source);
    found = cache.emplace(megabytes, Prepared{std::move(source), std::move(lookups)}).first;
  }
  return found->second;
}

void BM_BuildIndex(benchmark::State& state) {
  const Prepared& prepared = PreparedSource(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    SourceIndex index{SourceSnapshot(prepared.source)};
    benchmark::DoNotOptimize(index.line_count());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * prepared.source.size()));
}

// Every value of every record, as a run asks for them.
void BM_IndexedLookups(benchmark::State& state) {
  const Prepared& prepared = PreparedSource(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    const SourceIndex index{SourceSnapshot(prepared.source)};
    LookupCache cache;
    for (const Lookup& lookup : prepared.lookups) {
      benchmark::DoNotOptimize(
          LookupValue(index, cache, lookup.section, lookup.group, lookup.key, lookup.index));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * prepared.lookups.size()));
  state.counters["lookups"] = static_cast<double>(prepared.lookups.size());
}

// A spread sample of the same lookups: scanning the whole file for each of
// them would take hours at 4 MB.
void BM_LiteralScanLookups(benchmark::State& state) {
  const Prepared& prepared = PreparedSource(static_cast<std::size_t>(state.range(0)));
  const std::size_t stride = prepared.lookups.size() / 50 + 1;
  std::size_t done = 0;
  for (auto _ : state) {
    for (std::size_t i = 0; i < prepared.lookups.size(); i += stride) {
      const Lookup& lookup = prepared.lookups[i];
      benchmark::DoNotOptimize(testing::LiteralLookupValue(prepared.source, lookup.section,
                                                           lookup.group, lookup.key, lookup.index));
      ++done;
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(done));
}

BENCHMARK(BM_BuildIndex)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexedLookups)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralScanLookups)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace peltarix::bench
