#include "run/record_line_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace peltarix {
namespace {

TEST(RecordLineWriterTest, SeparatesEveryFieldFromTheOneBeforeIt) {
  std::string line;
  RecordLineWriter record(line);
  EXPECT_EQ(record.next_field(), 1);
  record.Quoted("AB").Integer(-3).Fixed(400, 6).Fixed(2.125, 2).Raw("1000\r7").Quoted("");
  EXPECT_EQ(record.next_field(), 7);
  record.Empty(2).EmptyUntil(10).Integer(9).EmptyUntil(11).Empty().EndLine();
  EXPECT_EQ(line, "\"AB\",-3,400.000000,2.12,1000\r7,\"\",,,,9,\n");
}

TEST(RecordLineWriterTest, EmptyFieldsAloneStillCountTheirCommas) {
  std::string line;
  RecordLineWriter(line).Empty(3).EndLine();
  EXPECT_EQ(line, ",,\n");
}

TEST(RecordLineWriterTest, GoingBackToAWrittenFieldIsALayoutFault) {
  std::string line;
  RecordLineWriter record(line);
  record.Integer(1).Integer(2);
  EXPECT_THROW(record.EmptyUntil(2), std::logic_error);
}

}  // namespace
}  // namespace peltarix
