#include "source/lookup.h"

#include <gtest/gtest.h>

#include <string>

#include "source/source_index.h"

namespace peltarix {
namespace {

// A small house: info records, then a section with summary and detail blocks.
constexpr std::string_view kHouse =
    "QVINFO\n/JOHO\n//JOHO_NAME\nSAMPLE HOUSE\n//JOHO_KOZO\nWOOD\nENDSEC\n"
    "/INIT\n//INIT_FL\n2\n//INIT_KISOH\n400\nENDSEC\n"
    "/KAIJOHO\n1\n//INIT_HGTNOKI\n2900\nENDSEC\n/KAIJOHO\n2\n//INIT_HGTNOKI\n2800\nENDSEC\n"
    "QVINFOEND\n"
    "HEIMENZU\nQVDTSMR\n/HASIRA\n2\nQVDTSMREND\nQVDTDTL\n"
    "/HASIRA\n1\n//KAI\n1F\n/HASIRA\n2\n//KIND\n1\n//KAI\n2F\nENDSEC\nQVDTDTLEND\nHEIMENZUEND\n";

std::string Value(std::string_view file, std::string_view section, std::string_view group,
                  std::string_view key, std::string_view index) {
  const SourceIndex source{SourceSnapshot(std::string(file))};
  return std::string(LookupValue(source, section, group, key, index));
}

int Count(std::string_view file, std::string_view section, std::string_view key) {
  return LookupCount(SourceIndex(SourceSnapshot(std::string(file))), section, key);
}

TEST(LookupValueTest, FindsValuesBySectionGroupKeyAndIndex) {
  EXPECT_EQ(Value(kHouse, "QVINFO", "/INIT", "//INIT_FL", ""), "2");
  EXPECT_EQ(Value(kHouse, "QVINFO", "/KAIJOHO", "//INIT_HGTNOKI", "2"), "2800");
  EXPECT_EQ(Value(kHouse, "HEIMENZU", "/HASIRA", "//KAI", "2"), "2F");
  EXPECT_EQ(Value(kHouse, "QVINFO", "/KAIJOHO", "//INIT_HGTNOKI", "3"), "");
  EXPECT_EQ(Value(kHouse, "HEIMENZU", "/HASIRA", "//WDTX", "2"), "");
}

TEST(LookupValueTest, KeyScanRunsIntoNextRecordWithoutEndsec) {
  // Record 1 has no //KIND and no terminator: record 2's value is taken.
  EXPECT_EQ(Value(kHouse, "HEIMENZU", "/HASIRA", "//KIND", "1"), "1");
}

TEST(LookupValueTest, EmptyIndexTakesFirstRecordOfTheGroupThatHasTheKey) {
  const std::string file = "QVINFO\n/JOHO\n//OTHER\nx\nENDSEC\n/JOHO\n//JOHO_NAME\nNAME\nENDSEC\n";
  EXPECT_EQ(Value(file, "QVINFO", "/JOHO", "//JOHO_NAME", ""), "NAME");
}

TEST(LookupValueTest, IndexAndSectionLinesCompareAsWholeLines) {
  const std::string records =
      "QVDTSMR\nQVDTSMREND\nQVDTDTL\n/HASIRA\n01\n//KAI\nA\nENDSEC\n"
      "/HASIRA\n 1\n//KAI\nB\nENDSEC\nQVDTDTLEND\n";
  EXPECT_EQ(Value("HEIMENZU\n" + records, "HEIMENZU", "/HASIRA", "//KAI", "1"), "");
  EXPECT_EQ(Value("HEIMENZU\n" + records, "HEIMENZU", "/HASIRA", "//KAI", "01"), "A");
  EXPECT_EQ(Value("HEIMENZU \n" + records, "HEIMENZU", "/HASIRA", "//KAI", "01"), "");
}

TEST(LookupValueTest, CrLfAndLfLineEndsReadAlike) {
  std::string crlf;
  for (const char c : kHouse) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(Value(crlf, "HEIMENZU", "/HASIRA", "//KAI", "2"), "2F");
  EXPECT_EQ(Value(crlf, "QVINFO", "/JOHO", "//JOHO_NAME", ""), "SAMPLE HOUSE");
}

TEST(LookupValueTest, SectionWithoutDetailBlockYieldsNothing) {
  const std::string file =
      "HEIMENZU\nQVDTSMR\n/HASIRA\n1\nQVDTSMREND\n/HASIRA\n1\n//KAI\n1F\n"
      "HEIMENZUEND\n";
  EXPECT_EQ(Value(file, "HEIMENZU", "/HASIRA", "//KAI", "1"), "");
  EXPECT_EQ(Count(file, "HEIMENZU", "/HASIRA"), 1);  // the summary still counts
}

TEST(LookupValueTest, SummaryGroupNamesAreNotTakenAsRecords) {
  // In the summary, "/HASIRA" is followed by its count "1", which looks like
  // record 1 with the key after it.
  const std::string file =
      "HEIMENZU\nQVDTSMR\n/HASIRA\n1\n//KAI\nWRONG\nQVDTSMREND\nQVDTDTL\n"
      "/HASIRA\n1\n//KAI\nRIGHT\nENDSEC\nQVDTDTLEND\nHEIMENZUEND\n";
  EXPECT_EQ(Value(file, "HEIMENZU", "/HASIRA", "//KAI", "1"), "RIGHT");
}

TEST(LookupValueTest, EndOfFileInsideARecord) {
  EXPECT_EQ(Value("QVINFO\n/INIT\n//INIT_FL", "QVINFO", "/INIT", "//INIT_FL", ""), "");
  EXPECT_EQ(Value("QVINFO\n/INIT\n//INIT_FL\n", "QVINFO", "/INIT", "//INIT_FL", ""), "");
  EXPECT_EQ(Value("QVINFO\n/INIT\n//X\n1", "QVINFO", "/INIT", "//INIT_FL", ""), "");
  EXPECT_EQ(Value("QVINFO\n/INIT\n//INIT_FL\n3", "QVINFO", "/INIT", "//INIT_FL", ""), "3");
}

TEST(LookupValueTest, LongLinesAreReadIn255BytePieces) {
  const std::string long_value(300, 'a');
  const std::string file = "QVINFO\n/JOHO\n//JOHO_NAME\n" + long_value + "\n//JOHO_BIKO\nB\n";
  EXPECT_EQ(Value(file, "QVINFO", "/JOHO", "//JOHO_NAME", ""), std::string(255, 'a'));
  // A key can hide in the tail of a long value.
  const std::string hidden = "QVINFO\n/JOHO\n//X\n" + std::string(255, 'x') + "//JOHO_NAME\nN\n";
  EXPECT_EQ(Value(hidden, "QVINFO", "/JOHO", "//JOHO_NAME", ""), "N");
  // A line of exactly 255 bytes is followed by an empty piece.
  const std::string exact = "QVINFO\n/JOHO\n//JOHO_NAME\n" + std::string(255, 'y') + "\n";
  EXPECT_EQ(Value(exact + "//K\nv\n", "QVINFO", "/JOHO", "//K", ""), "v");
}

TEST(LookupValueTest, ByteOneAEndsTheFile) {
  EXPECT_EQ(
      Value("QVINFO\n/INIT\n//INIT_FL\n2\x1a\n//INIT_BS\n0\n", "QVINFO", "/INIT", "//INIT_BS", ""),
      "");
  EXPECT_EQ(Value("QVINFO\n/INIT\n//INIT_FL\n2\x1a", "QVINFO", "/INIT", "//INIT_FL", ""), "2");
}

TEST(LookupValueTest, SectionEndSendsTheSearchToALaterCopyOfTheSection) {
  const std::string file =
      "HEIMENZU\nQVDTSMR\nQVDTSMREND\nQVDTDTL\n/HEYA\n1\n//KAI\n1F\n"
      "HEIMENZUEND\nHEIMENZU\n/HASIRA\n1\n//KAI\nLATER\nHEIMENZUEND\n";
  EXPECT_EQ(Value(file, "HEIMENZU", "/HASIRA", "//KAI", "1"), "LATER");
}

TEST(LookupCountTest, ReadsTheSummaryBlock) {
  const auto summary = [](std::string_view count_line) {
    return "HEIMENZU\nQVDTSMR\n/HASIRA\n" + std::string(count_line) + "\n/HASIRA\n99\n" +
           "QVDTSMREND\nQVDTDTL\nQVDTDTLEND\nHEIMENZUEND\n";
  };
  EXPECT_EQ(Count(summary("12"), "HEIMENZU", "/HASIRA"), 12);
  EXPECT_EQ(Count(summary(" 7"), "HEIMENZU", "/HASIRA"), 7);
  EXPECT_EQ(Count(summary("3x"), "HEIMENZU", "/HASIRA"), 3);
  EXPECT_EQ(Count(summary("-2"), "HEIMENZU", "/HASIRA"), -2);
  EXPECT_EQ(Count(summary(""), "HEIMENZU", "/HASIRA"), 0);
  EXPECT_EQ(Count(summary("12"), "HEIMENZU", "HASIRA"), 0);
  EXPECT_EQ(Count(summary("12"), "HEIMENZU", "/HEYA"), 0);
  EXPECT_EQ(Count(summary("12"), "YANEFUSE", "/HASIRA"), 0);
}

}  // namespace
}  // namespace peltarix
