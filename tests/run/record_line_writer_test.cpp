#include "run/record_line_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace peltarix {
namespace {

TEST(RecordLineWriterTest, SeparatesEveryFieldFromTheOneBeforeIt) {
  OutputLines lines;
  lines.StartLine();
  RecordLineWriter record(lines);
  EXPECT_EQ(record.next_field(), 1);
  record.Quoted("AB").Integer(-3).Fixed(400, 6).Fixed(2.125, 2).Raw("1000\r7").Quoted("");
  EXPECT_EQ(record.next_field(), 7);
  record.RawFields("0,\"\"", 2).Empty(2).EmptyUntil(12).Integer(9).EmptyUntil(13).Empty();
  EXPECT_EQ(record.next_field(), 14);
  record.EndLine();
  EXPECT_EQ(lines.line(1), "\"AB\",-3,400.000000,2.12,1000\r7,\"\",0,\"\",,,,9,\n");
}

TEST(RecordLineWriterTest, EmptyFieldsAloneStillCountTheirCommas) {
  OutputLines lines;
  lines.StartLine();
  RecordLineWriter(lines).Empty(3).EndLine();
  EXPECT_EQ(lines.line(1), ",,\n");
}

TEST(RecordLineWriterTest, GoingBackToAWrittenFieldIsALayoutFault) {
  OutputLines lines;
  lines.StartLine();
  RecordLineWriter record(lines);
  record.Integer(1).Integer(2);
  EXPECT_THROW(record.EmptyUntil(2), std::logic_error);
}

}  // namespace
}  // namespace peltarix
