// SPDX-License-Identifier: GPL-3.0-or-later
// A record loaded again: a count is cut down to its whole part, and the entries a longer earlier
// file left beyond it are never read; after bad files the check aircraft computes as in a fresh
// record.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"

namespace tz9 {
namespace {

// The check aircraft with `entries` values on its aerodynamic Mach axis (0, 0.1, ...) or its
// thrust altitude axis (0, 2500, ... ft) under the count text given; every row of that axis'
// tables is a copy of its first row.
std::string WithAxis(bool mach, int entries, const std::string& count) {
  std::istringstream in(test::ExampleText("check-aircraft.dat"));
  const std::string axis = mach ? "aerodynamic Mach breakpoints" : "altitude breakpoints";
  const std::vector<std::string> firstRows =
      mach ? std::vector<std::string>{"-0.3, 0.1", "0.0333"}
           : std::vector<std::string>{"500, 500", "2500, 2500", "9000, 9000"};
  std::string text, line, values;
  for (int i = 0; i < entries; ++i)
    values += (i > 0 ? ", " : "") + (mach ? FormatGeneral(i / 10.0) : std::to_string(2500 * i));
  while (std::getline(in, line)) {
    const bool first = std::any_of(firstRows.begin(), firstRows.end(),
                                   [&](const std::string& row) { return line.starts_with(row); });
    const bool axisLine = line.ends_with(axis);
    for (int i = 0; i < (first && !axisLine ? entries : 1); ++i)
      text += axisLine ? count + ", " + axis + "\n" + values + "\n" : line + "\n";
    if (axisLine || first) std::getline(in, line);  // the old values, or the table's second row
  }
  return text;
}

// The point lies between entries 18 and 19 of the axis: it flies on 20 entries, and with 18 it
// is beyond the last one. A count read as 19 would bring the first file's entry 19 back.
TEST(StaleEntries, ACountOf18Point5UsesEighteenEntriesNeverTheOldNineteenth) {
  const struct {
    const char* axis;
    bool mach;
    double cas;
    float altitude;
    double entry18, entry19;  // the point's Mach number or altitude lies between them
    SteadyFlightLimit beyond;
  } cases[] = {
      {"aerodynamic Mach", true, 640, 40000, 1.7, 1.8, SteadyFlightLimit::MachBeyondAeroTables},
      {"thrust altitude", false, 300, 43000, 42500, 45000,
       SteadyFlightLimit::AltitudeBeyondMilitary}};
  NoAircraftDisplay shown;
  for (const auto& c : cases) {
    AircraftRecord record, fresh;
    ResetAircraftRecord(record);
    ASSERT_TRUE(LoadAircraftBytes(WithAxis(c.mach, 20, "20"), record, shown).completed) << c.axis;
    const LevelFlightPoint onTwenty = EvaluateLevelFlight(record, 20000, {}, c.cas, c.altitude);
    const double position = c.mach ? onTwenty.mach : c.altitude;
    ASSERT_NE(onTwenty.regime, PowerRegime::NoSteadyFlight) << c.axis;
    ASSERT_TRUE(position > c.entry18 && position < c.entry19) << c.axis << ": " << position;
    ResetAircraftRecord(record);
    ResetAircraftRecord(fresh);
    for (AircraftRecord* r : {&record, &fresh})
      ASSERT_TRUE(LoadAircraftBytes(WithAxis(c.mach, 18, "18.5"), *r, shown).completed) << c.axis;
    for (const auto& evaluate : {EvaluateLevelFlight, EvaluateLevelFlightReference}) {
      const LevelFlightPoint p = evaluate(record, 20000, {}, c.cas, c.altitude);
      EXPECT_TRUE(p.regime == PowerRegime::NoSteadyFlight && p.limit == c.beyond) << c.axis;
      EXPECT_TRUE(test::SameBits(p, evaluate(fresh, 20000, {}, c.cas, c.altitude))) << c.axis;
    }
  }
}

// One record goes through bad files in turn (a count of 26, text for a thrust, bytes that are no
// aircraft file, a file cut short), each computed at a weight of 1e308 (a number, so the sweep
// runs); reset and loaded again, the check aircraft computes the start-up table as a fresh
// record does.
TEST(StaleEntries, AfterBadFilesTheCheckAircraftComputesAsInAFreshRecord) {
  const std::string check = test::ExampleText("check-aircraft.dat");
  std::string count26 = check, textThrust = check;
  count26.replace(count26.find("2, aerodynamic"), 1, "26");
  textThrust.replace(textThrust.find("2500, 0 ft"), 4, "lots");
  AircraftRecord record;
  NoAircraftDisplay shown;
  ResultGrid msfg1, msfg2, fresh1, fresh2;
  ApplyStartupLayout(msfg1, msfg2);
  ApplyStartupLayout(fresh1, fresh2);
  for (const std::string& bad : {count26, textThrust, std::string("\x01\x02,\xff\n"),
                                 check.substr(0, check.find("# Stores Drag"))}) {
    ResetAircraftRecord(record);
    LoadAircraftBytes(bad, record, shown);
    ComputeTable(record, test::CheckInputs(DisplayMode::LbsPerNm, "19000", "1e308"), msfg1, msfg2);
  }
  ResetAircraftRecord(record);
  ASSERT_TRUE(LoadAircraftBytes(check, record, shown).completed);
  ComputeTable(record, test::CheckInputs(), msfg1, msfg2);
  ComputeTable(test::CheckAircraft(), test::CheckInputs(), fresh1, fresh2);
  EXPECT_EQ(test::GridState(msfg1), test::GridState(fresh1));
  EXPECT_EQ(test::GridState(msfg2), test::GridState(fresh2));
}

}  // namespace
}  // namespace tz9
