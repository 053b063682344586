// One LookupCache across many lookups, on the cases its shortcuts treat
// apart: long records, texts outside the index (read line by line), records
// of two groups read in turn through RecordValues, and a cache handed another
// index.

#include "source/lookup_cache.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "source/literal_scan.h"
#include "source/lookup.h"
#include "source/source_index.h"

namespace peltarix {
namespace {

std::string Filler(int pairs) {
  std::string lines;
  for (int k = 0; k < pairs; ++k) lines += "//F" + std::to_string(k) + "\nx\n";
  return lines;
}

TEST(LookupCacheTest, AnswersAsTheLiteralScanAcrossLookups) {
  const std::string details = "HEIMENZU\nQVDTSMR\nQVDTSMREND\nQVDTDTL\n";
  const std::vector<std::string> files = {
      // Keys far into long records, and a record closed late.
      details + "/HASIRA\n1\n" + Filler(40) + "//KAI\nLONG\nENDSEC\n/HASIRA\n2\n" + Filler(40) +
          "//KIND\n5\n/HASIRA\n1\n//KIND\n7\nENDSEC\nQVDTDTLEND\nHEIMENZUEND\n",
      // Names that begin with neither a capital nor a slash.
      "QVINFO\n/JOHO\nkey\nv1\nENDSEC\nQVINFOEND\n" + details +
          "grp\n1\nkey\nv2\nENDSEC\ngrp\n2\n//KAI\n\nkey\nv3\nQVDTDTLEND\nHEIMENZUEND\n",
  };
  const std::vector<std::vector<std::string>> queries = {
      {"HEIMENZU", "/HASIRA", "//KAI", "1"},  {"HEIMENZU", "/HASIRA", "//F39", "1"},
      {"HEIMENZU", "/HASIRA", "//KIND", "1"}, {"HEIMENZU", "/HASIRA", "//KIND", "2"},
      {"HEIMENZU", "/HASIRA", "//KAI", "2"},  {"QVINFO", "/JOHO", "key", ""},
      {"HEIMENZU", "grp", "key", "1"},        {"HEIMENZU", "grp", "key", "2"},
      {"HEIMENZU", "grp", "//KAI", "2"},      {"HEIMENZU", "grp", "", "2"},
  };
  std::vector<SourceIndex> indexes;
  for (const std::string& file : files) indexes.emplace_back(SourceSnapshot(file));
  LookupCache cache;  // one cache for both files: it must notice the other index
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t f = 0; f < files.size(); ++f) {
      for (const auto& q : queries) {
        EXPECT_EQ(LookupValue(indexes[f], cache, q[0], q[1], q[2], q[3]),
                  testing::LiteralLookupValue(files[f], q[0], q[1], q[2], q[3]))
            << q[0] << " " << q[1] << " " << q[2] << " [" << q[3] << "]\n"
            << files[f];
      }
    }
  }
}

TEST(LookupCacheTest, RecordValuesOfTwoGroupsReadInTurnAnswerAsTheLiteralScan) {
  // Records of two groups, some lacking keys (the search goes on to a later
  // record of the same number), read back and forth so that every cursor
  // moves both ways.
  std::string file = "HEIMENZU\nQVDTSMR\nQVDTSMREND\nQVDTDTL\n";
  for (int number = 1; number <= 6; ++number) {
    for (const std::string group : {"/HASIRA", "/HEYA"}) {
      file += group + "\n" + std::to_string(number) + "\n";
      for (int key = 1; key <= 3; ++key) {
        if ((number + key) % 4 == 0) continue;
        file += "//X" + std::to_string(key) + "\n" + group.substr(1, 2) +
                std::to_string(number * 10 + key) + "\n";
      }
      file += "ENDSEC\n";
    }
  }
  file += "/HEYA\n2\n//X2\nlate\nENDSEC\nQVDTDTLEND\nHEIMENZUEND\n";
  const SourceIndex index{SourceSnapshot(file)};
  LookupCache cache;
  for (const char* number : {"5", "1", "6", "2", "4", "3"}) {
    const RecordValues columns(index, cache, "HEIMENZU", "/HASIRA", number);
    const RecordValues rooms(index, cache, "HEIMENZU", "/HEYA", number);
    for (const char* key : {"//X3", "//X1", "//X2", "//X1"}) {
      for (const auto& [values, group] : {std::pair{&columns, "/HASIRA"}, {&rooms, "/HEYA"}}) {
        EXPECT_EQ(values->Value(key),
                  testing::LiteralLookupValue(file, "HEIMENZU", group, key, number))
            << group << " " << number << " " << key;
      }
    }
  }
  // The later record of the same number answers for the key record 2 lacks.
  EXPECT_EQ(RecordValues(index, cache, "HEIMENZU", "/HEYA", "2").Value("//X2"), "late");
}

}  // namespace
}  // namespace peltarix
