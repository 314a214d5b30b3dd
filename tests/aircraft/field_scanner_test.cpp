// SPDX-License-Identifier: GPL-3.0-or-later

#include "aircraft/field_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tz9 {
namespace {

using Strings = std::vector<std::string>;

Strings Rest(FieldScanner& scanner) {
  Strings fields;
  FieldScanner::Field field;
  while (scanner.Next(field))
    fields.emplace_back(field.text);
  return fields;
}

TEST(FieldSplitting, CommasLineEndsBlanksAndQuotesSeparateFields) {
  const struct {
    const char* name;
    std::string bytes;
    Strings fields;
  } cases[] = {{"empty file", "", {}},
               {"blank line is an empty field", "a\n\n", {"a", ""}},
               {"final comma leaves an empty field", "a,", {"a", ""}},
               {"nothing between commas", "a,,b", {"a", "", "b"}},
               {"CR LF", "a\r\nb\r\n", {"a", "b"}},
               {"lone CR", "a\rb\r\rc", {"a", "b", "", "c"}},
               {"blanks around fields", "  a  ,\tb\t\n", {"a", "b"}},
               {"blanks and tabs inside stay", "a b\tc , d", {"a b\tc", "d"}},
               {"last line of blanks", "a\n   ", {"a", ""}},
               {"quoted text", "\"a,b\" ,c", {"a,b", "c"}},
               {"after the closing quote is dropped", "\"a\" junk, c", {"a", "c"}},
               {"empty quotes", "\"\",x", {"", "x"}},
               {"unclosed quote runs to the line end", "\"abc\ndef", {"abc", "def"}},
               {"NUL bytes are ordinary", std::string("a\0b,c", 5), {std::string("a\0b", 3), "c"}}};
  for (const auto& c : cases) {
    FieldScanner scanner(c.bytes);
    EXPECT_EQ(Rest(scanner), c.fields) << c.name;
  }
}

TEST(FieldSplitting, NumberDestinationsEndAtTheFirstBlank) {
  const struct {
    const char* name;
    std::string bytes;
    double number;
    Strings rest;  // the general fields after the number
  } cases[] = {{"unit after the number", "1000 ft\nx", 1000, {"ft", "x"}},
               {"blanks then comma belong to the number", "1000   ,x", 1000, {"x"}},
               {"blanks then line end belong to the number", "1000  \nx", 1000, {"x"}},
               {"text gives 0", "abc,x", 0, {"x"}},
               {"leading number of the run", "12abc x", 12, {"x"}},
               {"leading blanks skipped", "   -5.5", -5.5, {}}};
  for (const auto& c : cases) {
    FieldScanner scanner(c.bytes);
    double number = -1;
    ASSERT_TRUE(scanner.NextNumber(number)) << c.name;
    EXPECT_EQ(number, c.number) << c.name;
    EXPECT_EQ(Rest(scanner), c.rest) << c.name;
  }
}

TEST(FieldSplitting, LinesAreCountedForEveryLineEndAndQuotesAreMarked) {
  FieldScanner scanner("\"a\"\r\nb\rc\nd");
  FieldScanner::Field field;
  std::vector<int> lines;
  std::vector<bool> quoted;
  while (scanner.Next(field)) {
    lines.push_back(scanner.Line());
    quoted.push_back(field.quoted);
  }
  EXPECT_EQ(lines, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(quoted, (std::vector<bool>{true, false, false, false}));
}

}  // namespace
}  // namespace tz9
