// The indexed lookups against the literal scan on many generated files:
// random mixes of section, summary, detail, group, index, key, terminator and
// junk lines in awkward orders, with long lines, CR LF, byte 1A and files
// that end mid-record.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "source/literal_scan.h"
#include "source/lookup.h"
#include "source/source_index.h"
#include "support/test_seed.h"

namespace peltarix {
namespace {

const std::vector<std::string> kSections = {"QVINFO", "HEIMENZU", "YANEFUSE"};
const std::vector<std::string> kGroups = {"/HASIRA", "/HEYA", "/INIT"};
const std::vector<std::string> kKeys = {"//KAI", "//KIND", "//INIT_FL", "//X1"};
const std::vector<std::string> kIndexes = {"1", "2", "3", "01", " 1"};

std::string Pick(std::mt19937& random, const std::vector<std::string>& from) {
  return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
}

// One line from the vocabulary, weighted towards what forms records.
std::string RandomLine(std::mt19937& random) {
  const int kind = std::uniform_int_distribution<int>(0, 99)(random);
  if (kind < 8) return Pick(random, kSections);
  if (kind < 14) return Pick(random, kSections) + "END";
  if (kind < 17) return "QVDTSMR";
  if (kind < 20) return "QVDTSMREND";
  if (kind < 25) return "QVDTDTL";
  if (kind < 28) return "QVDTDTLEND";
  if (kind < 42) return Pick(random, kGroups);
  if (kind < 55) return Pick(random, kIndexes);
  if (kind < 70) return Pick(random, kKeys);
  if (kind < 76) return "ENDSEC";
  if (kind < 78) return "";
  // Long lines are read in pieces of 255 bytes: a key can hide in the tail.
  if (kind < 79) {
    return std::string(std::uniform_int_distribution<std::size_t>(250, 520)(random), 'v');
  }
  if (kind < 80) return std::string(255, 'v') + Pick(random, kKeys);
  return "v" + std::to_string(std::uniform_int_distribution<int>(0, 99)(random));
}

// A well-formed record now and then, so that lookups find values.
void AppendRecord(std::mt19937& random, std::vector<std::string>& lines) {
  lines.push_back(Pick(random, kGroups));
  if (random() % 4 != 0) lines.push_back(Pick(random, kIndexes));
  const int keys = static_cast<int>(random() % 4);
  for (int k = 0; k < keys; ++k) {
    lines.push_back(Pick(random, kKeys));
    lines.push_back("val" + std::to_string(random() % 1000));
  }
  if (random() % 3 != 0) lines.push_back("ENDSEC");
}

std::string RandomFile(std::mt19937& random) {
  std::vector<std::string> lines;
  const int count = std::uniform_int_distribution<int>(0, 120)(random);
  while (static_cast<int>(lines.size()) < count) {
    if (random() % 3 == 0) {
      AppendRecord(random, lines);
    } else {
      lines.push_back(RandomLine(random));
    }
  }
  const bool crlf = random() % 2 == 0;
  std::string file;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    file += lines[i];
    if (i + 1 < lines.size() || random() % 2 == 0) file += crlf ? "\r\n" : "\n";
  }
  if (random() % 10 == 0 && !file.empty()) {
    file.insert(random() % file.size(), "\x1a");  // text mode ends the file here
  }
  if (random() % 10 == 0 && !file.empty()) file.insert(random() % file.size(), "\r");
  return file;
}

TEST(LookupDifferentialTest, IndexedLookupsMatchTheLiteralScanOnGeneratedFiles) {
  const unsigned seed = testing::TestSeed(20261210);
  SCOPED_TRACE(testing::SeedTrace(seed));
  std::mt19937 random(seed);
  int values_found = 0;
  int counts_found = 0;
  for (int file_number = 0; file_number < 1500; ++file_number) {
    const std::string file = RandomFile(random);
    const SourceIndex index{SourceSnapshot(file)};
    for (const std::string& section : kSections) {
      for (const std::string& group : kGroups) {
        const int count = testing::LiteralLookupCount(file, section, group);
        EXPECT_EQ(LookupCount(index, section, group), count)
            << "file " << file_number << " section " << section << " key " << group;
        counts_found += count != 0;
        for (const std::string& key : kKeys) {
          for (const std::string& record : {std::string(), std::string("1"), std::string("2"),
                                            std::string("3"), std::string("01")}) {
            const std::string expected =
                testing::LiteralLookupValue(file, section, group, key, record);
            values_found += !expected.empty();
            ASSERT_EQ(LookupValue(index, section, group, key, record), expected)
                << "file " << file_number << ": " << section << " " << group << " " << key << " ["
                << record << "]\n"
                << file;
          }
        }
      }
    }
  }
  // The generator must reach the interesting paths, not only empty results.
  EXPECT_GT(values_found, 2000);
  EXPECT_GT(counts_found, 100);
}

}  // namespace
}  // namespace peltarix
