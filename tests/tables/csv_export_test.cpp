// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV export: the grids' cells column by column, fields quoted only where they must be, and
// the comments saying what was computed and whether the grids still match.
#include "tables/csv_export.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "../performance/test_support.h"

namespace tz9 {
namespace {

void Write(ResultGrid& grid, int row, int col, std::string_view text,
           std::optional<Colour> colour = std::nullopt) {
  grid.SetRow(row);
  grid.SetCol(col);
  grid.SetText(text);
  if (colour) grid.SetCellBackColor(*colour);
}

// Two speeds by two altitudes; the second grid's 40000 ft / 300 kt cell was never painted.
void TwoByTwo(ResultGrid& msfg1, ResultGrid& msfg2) {
  test::LayOut({" 300", "600 "}, {" 0 ft", "40000 ft"}, msfg1, msfg2);
  Write(msfg1, 1, 1, "1896", RegimeColour::White);
  Write(msfg1, 2, 1, "1070", RegimeColour::Yellow);
  Write(msfg1, 1, 2, "------", RegimeColour::White);
  Write(msfg1, 2, 2, "1880", RegimeColour::Green);
  Write(msfg2, 1, 1, "6.319", RegimeColour::Red);
  Write(msfg2, 2, 1, "543");
  Write(msfg2, 1, 2, "------", 0x123456);
  Write(msfg2, 2, 2, "1.985", RegimeColour::Green);
}

TEST(CsvExport, WritesTheHeaderThenEachColumnTopDownWithTrimmedHeadersAndColourNames) {
  ResultGrid msfg1;
  ResultGrid msfg2;
  TwoByTwo(msfg1, msfg2);
  std::ostringstream out;
  WriteCsvLines(msfg1, msfg2, out);
  EXPECT_EQ(out.str(),
            "altitude_ft,speed_kt,fuel_flow,fuel_flow_color,second,second_color\n"
            "0,300,1896,white,6.319,red\n"
            "40000,300,1070,yellow,543,default\n"
            "0,600,------,white,------,0x123456\n"
            "40000,600,1880,green,1.985,green\n");
}

TEST(CsvExport, QuotesOnlyFieldsWithACommaAQuoteOrALineBreak) {
  const struct {
    const char* name;
    std::string text, field;
  } cases[] = {
      {"plain", "1896", "1896"},
      {"comma", "1,5", "\"1,5\""},
      {"quote doubled", "say \"x\"", "\"say \"\"x\"\"\""},
      {"line break", "a\nb", "\"a\nb\""},
      {"blank kept", " 12 ", " 12 "},
  };
  for (const auto& c : cases) {
    ResultGrid msfg1;
    ResultGrid msfg2;
    TwoByTwo(msfg1, msfg2);
    Write(msfg1, 1, 1, c.text);
    std::ostringstream out;
    WriteCsvLines(msfg1, msfg2, out);
    std::istringstream lines(out.str());
    std::string header;
    std::getline(lines, header);
    const std::string rest = out.str().substr(header.size() + 1);
    EXPECT_EQ(rest.substr(0, rest.find(",white,6.319")), "0,300," + c.field) << c.name;
  }
}

TEST(CsvExport, AltitudeFieldDropsTheUnitAndTheBlanks) {
  const struct {
    const char* header;
    const char* field;
  } cases[] = {{" 5000 ft", "5000"}, {"0 ft", "0"}, {"ft", ""}, {"", ""}, {"-1000 ft", "-1000"}};
  for (const auto& c : cases)
    EXPECT_EQ(AltitudeField(c.header), c.field) << c.header;
}

TEST(CsvExport, CommentsSayWhatWasComputedAndWhetherTheGridsStillMatch) {
  const struct {
    const char* name;
    Staleness staleness;
    DisplayMode mode;
    std::string grids, second;
  } cases[] = {
      {"current", {}, DisplayMode::LbsPerNm, "current", "Lbs/NM, fuel per nautical mile (lb/NM)"},
      {"every change",
       {true, true, true, true},
       DisplayMode::MachNumber,
       "out of date: the table was laid out again; the computing weight or a store count "
       "changed; another second grid was chosen; another aircraft was loaded",
       "Mach Number, Mach number"},
  };
  for (const auto& c : cases) {
    CsvExportFacts facts;
    facts.program = "Strakon TZ9 Performances 9.9.9";
    facts.aircraftFile = "check-aircraft.dat";
    facts.aircraftName = "Check\r\nAircraft";
    facts.computingWeight = "20000";
    facts.storeCounts = {"2", "0", "4", "0", "1", "2"};
    facts.mode = c.mode;
    facts.staleness = c.staleness;
    std::ostringstream out;
    WriteCsvComments(facts, out);
    EXPECT_EQ(out.str(),
              "# program: Strakon TZ9 Performances 9.9.9\n"
              "# aircraft file: check-aircraft.dat\n"
              "# aircraft: Check  Aircraft\n"
              "# computing weight (lb): 20000\n"
              "# stores: aa 2, ag 0, bombs 4, cluster 0, ecm 1, tanks 2\n"
              "# second grid: " +
                  c.second + "\n# grids: " + c.grids + "\n")
        << c.name;
  }
}

}  // namespace
}  // namespace tz9
