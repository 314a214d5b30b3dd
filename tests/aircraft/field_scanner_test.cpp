#include "aircraft/field_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tz9 {
namespace {

std::vector<std::string> Fields(std::string_view bytes) {
  FieldScanner scanner(bytes);
  std::vector<std::string> fields;
  FieldScanner::Field field;
  while (scanner.Next(field))
    fields.emplace_back(field.text);
  return fields;
}

using Strings = std::vector<std::string>;

TEST(FieldSplitting, CommasAndLineEndsSeparateFields) {
  struct Case {
    const char* name;
    std::string bytes;
    Strings fields;
  };
  const Case cases[] = {
      {"empty file", "", {}},
      {"one field", "a", {"a"}},
      {"line end closes the last field", "a\n", {"a"}},
      {"blank line is an empty field", "a\n\n", {"a", ""}},
      {"final comma leaves an empty field", "a,", {"a", ""}},
      {"every comma separates", "a,b,\n", {"a", "b", ""}},
      {"nothing between commas", "a,,b", {"a", "", "b"}},
      {"CR LF", "a\r\nb\r\n", {"a", "b"}},
      {"lone CR", "a\rb\r\rc", {"a", "b", "", "c"}},
      {"blanks around fields", "  a  ,\tb\t\n", {"a", "b"}},
      {"blanks and tabs inside stay", "a b\tc , d", {"a b\tc", "d"}},
      {"last line of blanks", "a\n   ", {"a", ""}},
      {"marker with trailing blanks", "# PROPULSION DATA   \n", {"# PROPULSION DATA"}},
      {"quoted text", "\"a,b\" ,c", {"a,b", "c"}},
      {"after the closing quote is dropped", "\"a\" junk, c", {"a", "c"}},
      {"empty quotes", "\"\",x", {"", "x"}},
      {"unclosed quote runs to the line end", "\"abc\ndef", {"abc", "def"}},
      {"NUL bytes are ordinary", std::string("a\0b,c", 5), {std::string("a\0b", 3), "c"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Fields(c.bytes), c.fields) << c.name;
  }
}

TEST(FieldSplitting, QuotedFieldsAreMarked) {
  FieldScanner scanner("\"12\",12");
  FieldScanner::Field field;
  ASSERT_TRUE(scanner.Next(field));
  EXPECT_TRUE(field.quoted);
  ASSERT_TRUE(scanner.Next(field));
  EXPECT_FALSE(field.quoted);
}

TEST(FieldSplitting, NumberDestinationsEndAtTheFirstBlank) {
  struct Case {
    const char* name;
    std::string bytes;
    double number;
    Strings rest;  // the general fields after the number
  };
  const Case cases[] = {
      {"unit after the number", "1000 ft\nx", 1000, {"ft", "x"}},
      {"blanks then comma belong to the number", "1000   ,x", 1000, {"x"}},
      {"blanks then line end belong to the number", "1000  \nx", 1000, {"x"}},
      {"comma ends the run", "2500,x", 2500, {"x"}},
      {"text gives 0", "abc,x", 0, {"x"}},
      {"leading number of the run", "12abc x", 12, {"x"}},
      {"leading blanks skipped", "   -5.5", -5.5, {}},
      {"empty after a final comma", "", 0, {}},
  };
  for (const Case& c : cases) {
    FieldScanner scanner(c.bytes);
    double number = -1;
    if (c.bytes.empty()) {
      EXPECT_FALSE(scanner.NextNumber(number)) << c.name;
      continue;
    }
    ASSERT_TRUE(scanner.NextNumber(number)) << c.name;
    EXPECT_EQ(number, c.number) << c.name;
    Strings rest;
    FieldScanner::Field field;
    while (scanner.Next(field))
      rest.emplace_back(field.text);
    EXPECT_EQ(rest, c.rest) << c.name;
  }
}

TEST(FieldSplitting, LinesAreCountedForEveryLineEndForm) {
  FieldScanner scanner("a\r\nb\rc\nd");
  FieldScanner::Field field;
  std::vector<int> lines;
  while (scanner.Next(field))
    lines.push_back(scanner.Line());
  EXPECT_EQ(lines, (std::vector<int>{1, 2, 3, 4}));
}

}  // namespace
}  // namespace tz9
