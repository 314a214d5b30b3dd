// SPDX-License-Identifier: GPL-3.0-or-later
// The bad-input catalogue: count texts no figure can hold, and a normal table computing after a
// run of bad weights, files and ranges.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "aircraft/aircraft_reader.h"
#include "common/number_text.h"
#include "loadout/loadout.h"
#include "performance/sweep.h"
#include "tables/table_layout.h"

namespace tz9 {
namespace {

SweepInputs CheckInputs(std::string_view weight) {
  return {"19000", weight, {"0", "0", "0", "0", "0", "0"}, DisplayMode::LbsPerNm};
}

// Typed into the AA missiles field with the check aircraft's weights: the computing weight.
TEST(BadInputCatalogue, CountTextsBeyondTheDoubleRangeGiveOverflow) {
  const struct {
    const char* name;
    std::string text;
    bool numeric;
    std::string_view compWeight;
  } cases[] = {
      {"1e400", "1e400", false, kOverflowText},
      {"-1e400", "-1e400", false, kOverflowText},
      {"10,000 nines", std::string(10000, '9'), false, kOverflowText},
      {"10,000 digits of a tiny fraction", "0." + std::string(9998, '0') + "1", true, "26000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsNumericText(c.text), c.numeric) << c.name;
    const LoadoutTexts texts = ComputeLoadout({c.text, "0", "0", "0", "0", "0"}, "19000", "7000");
    EXPECT_EQ(texts.CompWeight, c.compWeight) << c.name;
  }
}

// One record and one pair of grids go through bad inputs in turn, the first a computing weight
// of 1e308: a number, so the sweep runs, but no cell can hold it up. The check aircraft then
// loads and computes exactly as it does in a fresh program.
TEST(BadInputCatalogue, NormalTableComputesAfterBadInputs) {
  std::stringstream file;
  file << std::ifstream(std::string(TZ9_EXAMPLES_DIR) + "/check-aircraft.dat").rdbuf();
  const std::string check = file.str();
  AircraftRecord record;
  NoAircraftDisplay shown;
  ASSERT_TRUE(LoadAircraftBytes(check, record, shown).completed);
  ResultGrid msfg1, msfg2;
  ApplyStartupLayout(msfg1, msfg2);
  EXPECT_EQ(ComputeTable(record, CheckInputs("1e308"), msfg1, msfg2).totals.Summary(),
            "Computed 253 cells; 253 could not be computed, the first at 150 kt, 0 ft: "
            "arithmetic overflow.");
  EXPECT_EQ(msfg1.TextAt(11, 23), "------");
  EXPECT_EQ(msfg1.BackColorAt(11, 23), RegimeColour::White);

  std::string count26 = check, textThrust = check;
  count26.replace(count26.find("2, aerodynamic"), 1, "26");
  textThrust.replace(textThrust.find("2500, 0 ft"), 4, "lots");
  for (const std::string& bad : {count26, textThrust, std::string("\x01\x02,\xff\n"),
                                 check.substr(0, check.find("# Stores Drag"))}) {
    ResetAircraftRecord(record);
    LoadAircraftBytes(bad, record, shown);
    ComputeTable(record, CheckInputs("1e308"), msfg1, msfg2);
  }
  RangeTexts ranges = DefaultRangeTexts();
  ranges.speedStep1 = "0";
  EXPECT_FALSE(CreateTableLayout(ranges, msfg1, msfg2).applied);

  ResetAircraftRecord(record);
  ASSERT_TRUE(LoadAircraftBytes(check, record, shown).completed);
  ranges = {"300", "50", "300", "50", "300", "0", "500", "0", "500", "0"};
  ASSERT_TRUE(CreateTableLayout(ranges, msfg1, msfg2).applied);
  EXPECT_EQ(ComputeTable(record, CheckInputs("20000"), msfg1, msfg2).totals.Summary(),
            "Computed 1 cell.");
  EXPECT_EQ(msfg1.TextAt(1, 1), "1896");
  EXPECT_EQ(msfg1.BackColorAt(1, 1), RegimeColour::White);
  EXPECT_EQ(msfg2.TextAt(1, 1), "6.319");
  EXPECT_EQ(msfg2.BackColorAt(1, 1), RegimeColour::White);
}

}  // namespace
}  // namespace tz9
