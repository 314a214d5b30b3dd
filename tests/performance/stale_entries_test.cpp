// SPDX-License-Identifier: GPL-3.0-or-later
// A record loaded again: a count is cut down to its whole part, and the entries a longer earlier
// file left beyond it are never read; after bad files the check aircraft computes as in a fresh
// record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace tz9 {
namespace {

std::vector<std::string> Steps(int count, int first, int step, int scale) {
  std::vector<std::string> values;
  for (int i = 0; i < count; ++i) {
    const int v = first + i * step;
    values.push_back(scale == 1 ? std::to_string(v)
                                : std::to_string(v / scale) + "." + std::to_string(v % scale));
  }
  return values;
}

std::string Joined(const std::vector<std::string>& values) {
  std::string line;
  for (const std::string& v : values)
    line += (line.empty() ? "" : ", ") + v;
  return line + "\n";
}

// One line per entry: the row's values, then two fields the reader skips.
std::string Rows(size_t count, const std::string& values, const std::string& tail) {
  std::string rows;
  for (size_t i = 0; i < count; ++i)
    rows += values + ", " + tail + "\n";
  return rows;
}

// The check aircraft's figures on the given aerodynamic Mach and thrust altitude axes, each
// under a count text of its own; every row of a table alike.
std::string AircraftText(const std::string& machCount, const std::vector<std::string>& machs,
                         const std::string& altitudeCount,
                         const std::vector<std::string>& altitudes) {
  std::string text = "Name = Stale Tail\n# INPUT MASS AND GEOMETRIC PROPERTIES:\n";
  text += "19000, zfw\n300, area\n7000, fuel\n";
  for (int i = 0; i < 21; ++i)
    text += "0, 0, not used\n";  // 63 skipped fields
  text += machCount + ", aerodynamic Mach breakpoints\n" + Joined(machs);
  text += "# alpha, deg, -\n4, angle-of-attack breakpoints\n-5, 0, 10, 20\n# lift, -, -\n";
  text += "1, lift multiplier, -, -\n" + Rows(machs.size(), "-0.3, 0.1, 0.9, 1.2", "Mach, lift");
  text += "# drag, 1, -, -, -\n" + Rows(machs.size(), "0.05, 0.02, 0.06, 0.2", "Mach, drag");
  text += "# PROPULSION DATA\n# one engine\n1, thrust multiplier\n0, unused\n# thrust, -, -\n";
  text += "2, propulsion Mach breakpoints\n0, 3\n# altitude axis, ft, -\n";
  text += altitudeCount + ", altitude breakpoints\n" + Joined(altitudes) + "# idle, -, -, -\n";
  text += Rows(altitudes.size(), "500, 500", "ft, idle") + "# Military, -\n";
  text += Rows(altitudes.size(), "2500, 2500", "ft") + "# afterburner, -\n";
  text += Rows(altitudes.size(), "9000, 9000", "ft, afterburner");
  text += "# Stores Drag\n0, 1\n0.5, 1\n1.5, 2\n";
  return text + "fuelFlowFactorNormal 0.8\nfuelFlowFactorAb 2\nnEngines 1\n";
}

// The point lies between entries 18 and 19 of the axis: it flies on the 20 entries, and with 18
// it is beyond the last one. A count read as 19 would bring the first file's entry 19 back.
TEST(StaleEntries, ACountOf18Point5UsesEighteenEntriesNeverTheOldNineteenth) {
  const std::vector<std::string> twoMachs = {"0", "2"}, twoAltitudes = {"0", "50000"};
  const struct {
    const char* axis;
    std::string twenty, eighteen;
    double cas;
    float altitude;
    bool onMachAxis;          // else on the altitude axis
    double entry18, entry19;  // the point's Mach number or altitude lies between them
    SteadyFlightLimit beyond;
  } cases[] = {
      {"aerodynamic Mach 0 .. 1.9", AircraftText("20", Steps(20, 0, 1, 10), "2", twoAltitudes),
       AircraftText("18.5", Steps(18, 0, 1, 10), "2", twoAltitudes), 640, 40000, true, 1.7, 1.8,
       SteadyFlightLimit::MachBeyondAeroTables},
      {"altitude 0 .. 47500 ft", AircraftText("2", twoMachs, "20", Steps(20, 0, 2500, 1)),
       AircraftText("2", twoMachs, "18.5", Steps(18, 0, 2500, 1)), 300, 43000, false, 42500, 45000,
       SteadyFlightLimit::AltitudeBeyondMilitary},
  };
  constexpr StoreCounts kNoStores = {0, 0, 0, 0, 0, 0};
  NoAircraftDisplay shown;
  for (const auto& c : cases) {
    AircraftRecord record;
    ResetAircraftRecord(record);
    ASSERT_TRUE(LoadAircraftBytes(c.twenty, record, shown).completed) << c.axis;
    const LevelFlightPoint onTwenty =
        EvaluateLevelFlight(record, 20000, kNoStores, c.cas, c.altitude);
    ASSERT_NE(onTwenty.regime, PowerRegime::NoSteadyFlight) << c.axis;
    const double position = c.onMachAxis ? onTwenty.mach : c.altitude;
    ASSERT_TRUE(position > c.entry18 && position < c.entry19) << c.axis << ": " << position;

    ResetAircraftRecord(record);
    ASSERT_TRUE(LoadAircraftBytes(c.eighteen, record, shown).completed) << c.axis;
    AircraftRecord fresh;
    ResetAircraftRecord(fresh);
    ASSERT_TRUE(LoadAircraftBytes(c.eighteen, fresh, shown).completed) << c.axis;
    for (const auto& evaluate : {EvaluateLevelFlight, EvaluateLevelFlightReference}) {
      const LevelFlightPoint p = evaluate(record, 20000, kNoStores, c.cas, c.altitude);
      EXPECT_EQ(p.regime, PowerRegime::NoSteadyFlight) << c.axis;
      EXPECT_EQ(p.limit, c.beyond) << c.axis;
      EXPECT_TRUE(test::SameBits(p, evaluate(fresh, 20000, kNoStores, c.cas, c.altitude)))
          << c.axis;
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
