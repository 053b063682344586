// Lookups in files where many records share one number and lack keys, so
// that a lookup goes on from record to record: against the literal line scan
// for their values, and against the clock for the walk they once made.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "hostile_run.h"
#include "source/literal_scan.h"
#include "source/lookup.h"
#include "source/lookup_cache.h"
#include "source/source_index.h"
#include "support/qv_text.h"
#include "support/test_seed.h"

namespace peltarix {
namespace {

// "ENDSEC" as a key: the terminator wins over the key on the same line.
const std::vector<std::string> kKeys = {"//KAI", "//X1", "//Y1", "//X2", "ENDSEC"};
const std::vector<std::string> kIndexes = {"1", "2", "3"};

std::string Pick(std::mt19937& random, const std::vector<std::string>& from) {
  return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
}

// Records of three numbers, most of them lacking most keys, with group lines
// standing as index lines, stray keys between records, terminators of every
// kind and a second copy of the section now and then.
std::string RecordsOfFewNumbers(std::mt19937& random) {
  std::string file = "HEIMENZU\nQVDTSMR\n/HEYA\n3\nQVDTSMREND\nQVDTDTL\n";
  const int records = std::uniform_int_distribution<int>(0, 40)(random);
  for (int record = 0; record < records; ++record) {
    const int shape = std::uniform_int_distribution<int>(0, 99)(random);
    if (shape < 6) {
      file += "/HEYA\n";  // read as the index line of the next group line
    } else if (shape < 10) {
      file += Pick(random, kKeys) + "\n";  // a stray key between records
    } else if (shape < 13) {
      file += "HEIMENZUEND\nHEIMENZU\n";
    } else if (shape < 15) {
      file += "QVDTDTLEND\n";
    }
    file += "/HEYA\n" + Pick(random, kIndexes) + "\n";
    if (random() % 4 == 0) {
      file += Pick(random, kKeys) + "\nv" + std::to_string(record) + "\n";
    }
    if (random() % 5 != 0) file += "ENDSEC\n";
  }
  if (random() % 2 == 0) file += "QVDTDTLEND\nHEIMENZUEND\n";
  return file;
}

TEST(RecordsOfOneNumberTest, LookupsInAnyOrderMatchTheLiteralScan) {
  const unsigned seed = testing::TestSeed(20261211);
  SCOPED_TRACE(testing::SeedTrace(seed));
  std::mt19937 random(seed);
  int values_found = 0;
  for (int file_number = 0; file_number < 400; ++file_number) {
    const std::string file = RecordsOfFewNumbers(random);
    const SourceIndex index{SourceSnapshot(file)};
    LookupCache cache;
    // Record by record as the converters ask, then in a shuffled order, so
    // that the records listed for one number serve several keys, and are
    // listed again after another number was asked for.
    std::vector<std::pair<std::string, std::string>> queries;
    for (const std::string& number : kIndexes) {
      for (const std::string& key : kKeys) queries.emplace_back(number, key);
    }
    std::vector<std::pair<std::string, std::string>> shuffled = queries;
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    queries.insert(queries.end(), shuffled.begin(), shuffled.end());
    for (const auto& [number, key] : queries) {
      const std::string expected =
          testing::LiteralLookupValue(file, "HEIMENZU", "/HEYA", key, number);
      values_found += !expected.empty();
      ASSERT_EQ(LookupValue(index, cache, "HEIMENZU", "/HEYA", key, number), expected)
          << "file " << file_number << ": " << key << " [" << number << "]\n"
          << file;
    }
  }
  EXPECT_GT(values_found, 500);
}

// Room 1 claims 3000 points; 4000 further records of number 1 lack every key,
// and the point keys stand after them, outside every record. Each point's
// lookup walked the 4000 records; 8000 of them took a minute.
TEST(RecordsOfOneNumberTest, LookupsGoOnThroughThousandsOfRecordsQuickly) {
  std::string rooms =
      "HEIMENZU\nQVDTSMR\n/HEYA\n1\nQVDTSMREND\nQVDTDTL\n"
      "/HEYA\n1\n//KAI\n1F\n//PNUM\n3000\nENDSEC\n";
  for (int copy = 0; copy < 4000; ++copy) rooms += "/HEYA\n1\nENDSEC\n";
  for (int k = 1; k <= 3000; ++k) {
    rooms += "//X" + std::to_string(k) + "\n7\n//Y" + std::to_string(k) + "\n8\n";
  }
  // The last of them is closed late, so that its scan holds the last point.
  rooms += "/HEYA\n1\n//X3000\n5\nENDSEC\nQVDTDTLEND\nHEIMENZUEND\n";
  testing::HostileRun run(testing::InfoSection() + rooms);
  const DataKindSet kinds = DataKindSet::Only(DataKind::kRooms);
  const auto start = std::chrono::steady_clock::now();
  const int status = run.Execute(kinds);
  // Well under a second even under the sanitizers.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_EQ(status, 0);
  testing::ExpectCompleteOrReportedFailure(run, status);
  ASSERT_EQ(run.run.context.last_line_index(), 1);
  const std::string record(run.run.context.output_lines.line(1));
  EXPECT_NE(record.find(",3001,,,400.000000,,,400.000000,"), std::string::npos);
  EXPECT_NE(record.find(",,,400.000000,5,,400.000000,,,400.000000,"), std::string::npos);
}

}  // namespace
}  // namespace peltarix
