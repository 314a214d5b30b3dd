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

TEST(CsvExport, WritesTheHeaderThenEachColumnTopDownWithTrimmedHeadersAndColourNames) {
  // Two speeds by two altitudes; the second grid's 40000 ft / 300 kt cell was never painted.
  ResultGrid msfg1, msfg2;
  test::LayOut({" 300", "600 "}, {" 0 ft", "40000 ft"}, msfg1, msfg2);
  using test::WriteCell;
  WriteCell(msfg1, 1, 1, "1896", RegimeColour::White);
  WriteCell(msfg1, 2, 1, "1070", RegimeColour::Yellow);
  WriteCell(msfg1, 1, 2, "------", RegimeColour::White);
  WriteCell(msfg1, 2, 2, "1880", RegimeColour::Green);
  WriteCell(msfg2, 1, 1, "6.319", RegimeColour::Red);
  WriteCell(msfg2, 2, 1, "543");
  WriteCell(msfg2, 1, 2, "------", 0x123456);
  WriteCell(msfg2, 2, 2, "1.985", RegimeColour::Green);
  std::ostringstream out;
  WriteCsvLines(msfg1, msfg2, out);
  EXPECT_EQ(out.str(),
            "altitude_ft,speed_kt,fuel_flow,fuel_flow_color,second,second_color\n"
            "0,300,1896,white,6.319,red\n"
            "40000,300,1070,yellow,543,default\n"
            "0,600,------,white,------,0x123456\n"
            "40000,600,1880,green,1.985,green\n");
}

// Fields are quoted only where they must be; an altitude field loses its unit and blanks.
TEST(CsvExport, QuotesOnlyFieldsWithACommaAQuoteOrALineBreak) {
  const std::pair<std::string, std::string> cases[] = {{"1896", "1896"},
                                                       {"1,5", "\"1,5\""},
                                                       {"say \"x\"", "\"say \"\"x\"\"\""},
                                                       {"a\nb", "\"a\nb\""},
                                                       {" 12 ", " 12 "}};
  for (const auto& [text, field] : cases) {
    std::ostringstream out;
    CsvField(text, out);
    EXPECT_EQ(out.str(), field);
  }
  const std::pair<std::string, std::string> altitudes[] = {
      {" 5000 ft", "5000"}, {"0 ft", "0"}, {"ft", ""}, {"", ""}, {"-1000 ft", "-1000"}};
  for (const auto& [header, field] : altitudes)
    EXPECT_EQ(AltitudeField(header), field) << header;
}

TEST(CsvExport, CommentsSayWhatWasComputedAndWhetherTheGridsStillMatch) {
  CsvExportFacts facts;
  facts.program = "Strakon TZ9 Performances 9.9.9";
  facts.aircraftFile = "check-aircraft.dat";
  facts.aircraftName = "Check\r\nAircraft";
  facts.computingWeight = "20000";
  facts.storeCounts = {"2", "0", "4", "0", "1", "2"};
  const std::string head =
      "# program: Strakon TZ9 Performances 9.9.9\n# aircraft file: check-aircraft.dat\n"
      "# aircraft: Check  Aircraft\n# computing weight (lb): 20000\n"
      "# stores: aa 2, ag 0, bombs 4, cluster 0, ecm 1, tanks 2\n# second grid: ";
  std::ostringstream current, stale;
  WriteCsvComments(facts, current);
  EXPECT_EQ(current.str(), head + "Lbs/NM, fuel per nautical mile (lb/NM)\n# grids: current\n");
  facts.mode = DisplayMode::MachNumber;
  facts.staleness = {true, true, true, true};
  WriteCsvComments(facts, stale);
  EXPECT_EQ(stale.str(),
            head +
                "Mach Number, Mach number\n# grids: out of date: the table was laid out "
                "again; the computing weight or a store count changed; another second "
                "grid was chosen; another aircraft was loaded\n");
}

}  // namespace
}  // namespace tz9
