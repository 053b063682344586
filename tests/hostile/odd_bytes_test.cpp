#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "hostile_run.h"
#include "support/qv_text.h"

namespace peltarix {
namespace {

using ::testing::HasSubstr;
using testing::HostileRun;

using namespace std::string_literals;

std::string OneColumn(const std::string& kind, const std::string& width,
                      const std::string& position_x) {
  return testing::InfoSection() +
         "HEIMENZU\nQVDTSMR\n/HASIRA\n1\nQVDTSMREND\nQVDTDTL\n/HASIRA\n1\n//KIND\n" + kind +
         "\n//KAI\n1F\n//WDTX\n" + width + "\n//WDTY\n105\n//POSX\n" + position_x +
         "\n//POSY\n0\nENDSEC\nQVDTDTLEND\nHEIMENZUEND\n";
}

// Values are copied into the CSV byte for byte and read as numbers up to the
// first byte that is not part of one, whatever that byte is: NUL, a CR that
// is not followed by LF, or a Shift-JIS lead byte that has no second byte.
TEST(OddBytesTest, ValuesAreCopiedUntouchedAndReadUpToTheOddByte) {
  const struct {
    const char* what;
    std::string source;
    DataKind kind;
    std::string expected;
  } cases[] = {
      {"NUL in a width", OneColumn("3", "105\0junk"s, "1000"), DataKind::kColumns,
       ",105\0junk,105,0,3,,,,,,1052.500000,0,400.000000,"s},
      {"lone CR in a position", OneColumn("0", "105", "1000\r7"), DataKind::kColumns,
       ",,,,,1000\r7,0,400.000000,1105.000000,"},
      {"lone lead byte ending the project name", testing::InfoSection({{"//JOHO_NAME", "ABC\x81"}}),
       DataKind::kBasicInfo, ",\"ABC\x81\",\"\",\"\",\"DESIGN DEPT\","},
      {"lone lead byte ending the file", testing::InfoSection() + "\x81", DataKind::kBasicInfo,
       ",\"SAMPLE HOUSE\","},
      {"NUL and lone CR ending the file", testing::InfoSection() + "\0\r"s,
       DataKind::kBuildingOutline, "\"AA010110\",1,1,"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HostileRun run(c.source);
    const int status = run.Execute(DataKindSet::Only(c.kind));
    EXPECT_EQ(status, 0);
    testing::ExpectCompleteOrReportedFailure(run, status);
    EXPECT_THAT(run.Csv(), HasSubstr(c.expected));
  }
}

// A room name ending in a lead byte without its second byte: the case-blind
// comparison with the room kind table stops at the name's end instead of
// pairing the lead byte with whatever follows it, and a name that matches no
// kind is written as it stands.
TEST(OddBytesTest, RoomNamesEndingInALoneLeadByteAreComparedUpToIt) {
  const struct {
    std::string name;
    std::string kind_fields;
  } cases[] = {
      {"\x98\x61\x8E\xBA", "1,\"\x98\x61\x8E\xBA\","},  // a known name
      {"\x98\x61\x8E", "0,\"(\x98\x61\x8E)\","},        // its last byte cut off
      {"\x81", "0,\"(\x81)\","},                        // a lead byte alone
      // A lead byte at the very end counts as the end of the name, so this is
      // the hall; the table's spelling is written.
      {"\x83\x7A\x81\x5B\x83\x8B\x81", "161,\"\x83\x7A\x81\x5B\x83\x8B\","},
      {"\x98\x61\0\xBA"s, "0,\"(\x98\x61\0\xBA)\","s},  // a NUL inside the name
  };
  std::string rooms =
      "HEIMENZU\nQVDTSMR\n/HEYA\n" + std::to_string(std::size(cases)) + "\nQVDTSMREND\nQVDTDTL\n";
  int number = 0;
  for (const auto& c : cases) {
    rooms += "/HEYA\n" + std::to_string(++number) + "\n//KAI\n1F\n//NAME\n" + c.name +
             "\n//PNUM\n0\nENDSEC\n";
  }
  rooms += "QVDTDTLEND\nHEIMENZUEND\n";

  HostileRun run(testing::InfoSection() + rooms);
  const int status = run.Execute(DataKindSet::Only(DataKind::kRooms));
  EXPECT_EQ(status, 0);
  testing::ExpectCompleteOrReportedFailure(run, status);
  const std::string csv = run.Csv();
  number = 0;
  for (const auto& c : cases) {
    ++number;
    EXPECT_THAT(csv, HasSubstr("\"DC020100\",1," + std::to_string(number) +
                               ",0,0,30,\"\",0,\"\",0,\"\",0," + c.kind_fields))
        << "room " << number;
  }
}

}  // namespace
}  // namespace peltarix
