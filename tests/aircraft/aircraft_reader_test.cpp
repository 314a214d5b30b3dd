#include "aircraft/aircraft_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tz9 {
namespace {

std::string ReadExample(const std::string& name) {
  std::ifstream file(std::string(TZ9_EXAMPLES_DIR) + "/" + name, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The check aircraft with LF line ends, so that cases can replace whole lines.
std::string CheckAircraft() {
  std::string text = ReadExample("check-aircraft.dat");
  std::string lf;
  for (char c : text) {
    if (c != '\r') lf.push_back(c);
  }
  return lf;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

struct ShownTexts final : AircraftDisplay {
  std::string name = "(old)", zfw = "(old)", fuel = "(old)";
  void ShowAircraftName(const std::string& t) override { name = t; }
  void ShowZeroFuelWeight(const std::string& t) override { zfw = t; }
  void ShowMaxInternalFuel(const std::string& t) override { fuel = t; }
};

double Number(const FieldValue& v) {
  return v.AsNumber().value_or(-999);
}

TEST(AircraftFile, BothExamplesReadCompletely) {
  for (const char* name : {"check-aircraft.dat", "generic-fighter.dat"}) {
    AircraftRecord record;
    ShownTexts shown;
    const LoadOutcome outcome =
        LoadAircraftFile(std::string(TZ9_EXAMPLES_DIR) + "/" + name, record, shown);
    EXPECT_TRUE(outcome.completed) << name << ": " << outcome.Message();
  }
}

TEST(AircraftFile, CheckAircraftFillsEveryField) {
  AircraftRecord record;
  ShownTexts shown;
  ASSERT_TRUE(LoadAircraftBytes(ReadExample("check-aircraft.dat"), record, shown).completed);
  EXPECT_EQ(shown.name, "Check Aircraft");
  EXPECT_EQ(shown.zfw, "19000");
  EXPECT_EQ(shown.fuel, "7000");
  EXPECT_EQ(Number(record.ReferenceArea), 300);
  EXPECT_EQ(Number(record.AerodynamicMachCount), 2);
  EXPECT_EQ(Number(record.AerodynamicMachBreakpoints[2]), 2);
  EXPECT_EQ(Number(record.AlphaBreakpoints[1]), -5);
  EXPECT_EQ(Number(record.LiftTable[2][4]), 1.2);
  EXPECT_EQ(Number(record.DragTable[1][1]), 0.05);
  EXPECT_EQ(Number(record.DragTable[2][2]), 0.02);
  EXPECT_EQ(Number(record.DragTable[1][3]), 0.06);
  EXPECT_EQ(Number(record.DragTable[2][4]), 0.2);
  EXPECT_EQ(Number(record.ThrustMultiplier), 1);
  EXPECT_EQ(record.ThrustAltitudeBreakpoints[2], 50000);
  EXPECT_EQ(Number(record.ThrustMachBreakpoints[2]), 3);
  EXPECT_EQ(Number(record.MilitaryThrustTable[2][2]), 3000);
  EXPECT_EQ(Number(record.AfterburnerThrustTable[2][1]), 4500);
  EXPECT_EQ(record.StoreDragMachBreakpoints[2], 0.5f);
  EXPECT_EQ(Number(record.StoreDragFactors[3]), 2);
  EXPECT_EQ(record.FuelFlowFactorNormal, 0.8);
  EXPECT_EQ(record.FuelFlowFactorAb, 2);
}

// Each row: what is changed in the check aircraft, where the load stops and why.
TEST(AircraftFile, EachFaultStopsTheLoadAtItsLineWithItsCause) {
  struct Case {
    const char* name;
    std::string from, to;
    int line;
    std::string cause;
  };
  const std::string all = CheckAircraft();
  const Case cases[] = {
      {"name shorter than 7 characters", "Name = Check Aircraft", "Name", 1,
       "the first field is shorter than 7 characters, so it holds no aircraft name"},
      {"missing mass marker", "# INPUT MASS AND GEOMETRIC PROPERTIES:", "# INPUT MASS", 66,
       "end of file while looking for \"# INPUT MASS AND GEOMETRIC PROPERTIES:\""},
      {"missing propulsion marker", "# PROPULSION DATA", "# PROPULSION", 66,
       "end of file while looking for \"# PROPULSION DATA\""},
      {"count 26", "2, aerodynamic Mach breakpoints", "26, aerodynamic Mach breakpoints", 28,
       "count 26 exceeds 25"},
      {"text count", "4, angle-of-attack", "four, angle-of-attack", 31,
       "text where a number is needed in the angle-of-attack count"},
      {"text lift value", "-0.3, 0.1, 0.9, 1.2, Mach 2", "-0.3, 0.1, lots, 1.2, Mach 2", 36,
       "text where a number is needed in the lift table"},
      {"text lift multiplier", "1, lift multiplier", "one, lift multiplier", 34,
       "text where a number is needed in the lift multiplier"},
      {"text drag multiplier", "# drag coefficient, 1,", "# drag coefficient, x1,", 37,
       "text where a number is needed in the drag multiplier"},
      {"altitude breakpoint beyond 32 bits", "0, 50000", "0, 5e9", 49,
       "an altitude breakpoint is out of range"},
      {"fewer than three keywords", "nEngines 1", "engines 1", 66,
       "end of file while reading the fuel-flow keywords"},
      {"a drag product beyond the double range", "0.13333333333333333, Mach 2", "1.5e308, Mach 2",
       39, "a value of the drag table is out of range"},
  };
  for (const Case& c : cases) {
    AircraftRecord record;
    ShownTexts shown;
    const LoadOutcome outcome = LoadAircraftBytes(Replace(all, c.from, c.to), record, shown);
    EXPECT_FALSE(outcome.completed) << c.name;
    EXPECT_EQ(outcome.line, c.line) << c.name;
    EXPECT_EQ(outcome.cause, c.cause) << c.name;
    EXPECT_EQ(outcome.Message(), "Load stopped at line " + std::to_string(c.line) + ": " + c.cause)
        << c.name;
  }
}

TEST(AircraftFile, CountOf26StopsAfter25Entries) {
  std::string values;
  for (int i = 1; i <= 26; ++i)
    values += std::to_string(i) + (i < 26 ? ", " : "");
  const std::string text = Replace(Replace(CheckAircraft(), "2, aerodynamic Mach breakpoints",
                                           "26, aerodynamic Mach breakpoints"),
                                   "0, 2\n", values + "\n");
  AircraftRecord record;
  ShownTexts shown;
  EXPECT_FALSE(LoadAircraftBytes(text, record, shown).completed);
  EXPECT_EQ(Number(record.AerodynamicMachBreakpoints[25]), 25);
  EXPECT_EQ(Number(record.AlphaCount), 0);  // the load stopped before it
}

TEST(AircraftFile, CountOf25FillsTheAxis) {
  std::string values;
  for (int i = 1; i <= 25; ++i)
    values += std::to_string(i) + ", ";
  const std::string text = Replace(
      Replace(CheckAircraft(), "4, angle-of-attack breakpoints", "25, angle-of-attack breakpoints"),
      "-5, 0, 10, 20\n", values + "\n");
  AircraftRecord record;
  ShownTexts shown;
  const LoadOutcome outcome = LoadAircraftBytes(text, record, shown);
  // The 25 values and the empty field after the last comma: the file is now one field longer
  // than the layout expects from here on, so it stops later; the axis itself is full.
  EXPECT_EQ(Number(record.AlphaBreakpoints[25]), 25);
  EXPECT_EQ(Number(record.AlphaCount), 25);
  (void)outcome;
}

TEST(AircraftFile, CutShortKeepsWhatWasRead) {
  const std::string all = CheckAircraft();
  const std::string cut = all.substr(0, all.find("# Stores Drag"));
  AircraftRecord record;
  record.FuelFlowFactorNormal = 0.5;
  ShownTexts shown;
  const LoadOutcome outcome = LoadAircraftBytes(cut, record, shown);
  EXPECT_EQ(outcome.cause, "end of file while looking for \"# Stores Drag\"");
  EXPECT_EQ(Number(record.AfterburnerThrustTable[2][2]), 4500);
  EXPECT_EQ(Number(record.StoreDragFactors[1]), 0);
  EXPECT_EQ(record.FuelFlowFactorNormal, 0.5);
  EXPECT_EQ(shown.zfw, "19000");
}

TEST(AircraftFile, BlankLineForACountReadsNoEntries) {
  AircraftRecord record;
  ShownTexts shown;
  const std::string text =
      Replace(Replace(CheckAircraft(), "2, propulsion Mach breakpoints\n0, 3\n", "\n,\n"), "", "");
  LoadAircraftBytes(text, record, shown);
  EXPECT_TRUE(record.ThrustMachCount.IsEmpty());
  EXPECT_EQ(Number(record.ThrustMachCount), 0);
}

TEST(AircraftFile, MilitaryRowFollowedByOneCharacterFieldReadsOneMore) {
  const std::string all = CheckAircraft();
  // "2500, 2500, 7, 0 ft": the 7 is one character long, so "0 ft" is read with it.
  const std::string text = Replace(all, "2500, 2500, 0 ft", "2500, 2500, 7, 0 ft");
  AircraftRecord record;
  ShownTexts shown;
  EXPECT_TRUE(LoadAircraftBytes(text, record, shown).completed);
  EXPECT_EQ(Number(record.MilitaryThrustTable[2][1]), 2000);
  // An empty field after a row does not take another with it.
  const std::string empty = Replace(all, "2500, 2500, 0 ft", "2500, 2500,");
  AircraftRecord record2;
  EXPECT_TRUE(LoadAircraftBytes(empty, record2, shown).completed);
  EXPECT_EQ(Number(record2.MilitaryThrustTable[2][1]), 2000);
}

TEST(AircraftFile, KeywordScanRules) {
  struct Case {
    const char* name;
    std::string keywords;
    double normal, ab;
    bool completed;
  };
  const Case cases[] = {
      {"plain", "fuelFlowFactorNormal 0.8\nfuelFlowFactorAb 2\nnEngines 1\n", 0.8, 2, true},
      {"comment after a comma",
       "fuelFlowFactorNormal 0.7, military\nfuelFlowFactorAb 1.9\nnEngines 2\n", 0.7, 1.9, true},
      {"other capitals are passed over",
       "FuelFlowFactorNormal 5\nfuelFlowFactorNormal 0.6\nfuelFlowFactorAb 3\nnEngines 1\n", 0.6, 3,
       true},
      {"colon gives 0", "fuelFlowFactorNormal: 0.8\nfuelFlowFactorAb = 2\nnEngines 1\n", 0, 0,
       true},
      {"three matches of one keyword end the scan",
       "fuelFlowFactorAb 4\nfuelFlowFactorAb 5\nfuelFlowFactorAb 6\nfuelFlowFactorNormal 9\n", -1,
       6, true},
      {"quoted keyword lines count too",
       "\"fuelFlowFactorNormal 0.25\"\nfuelFlowFactorAb 1\nnEngines 1\n", 0.25, 1, true},
  };
  const std::string all = CheckAircraft();
  const std::string head = all.substr(0, all.find("fuelFlowFactorNormal"));
  for (const Case& c : cases) {
    AircraftRecord record;
    record.FuelFlowFactorNormal = -1;
    ShownTexts shown;
    EXPECT_EQ(LoadAircraftBytes(head + c.keywords, record, shown).completed, c.completed) << c.name;
    EXPECT_EQ(record.FuelFlowFactorNormal, c.normal) << c.name;
    EXPECT_EQ(record.FuelFlowFactorAb, c.ab) << c.name;
  }
}

TEST(AircraftFile, TextInAnAxisStaysTextButAnAltitudeReadsAsZero) {
  const std::string text = Replace(Replace(CheckAircraft(), "-5, 0, 10, 20", "-5, zero, 10, 20"),
                                   "0, 50000", "low, 50000");
  AircraftRecord record;
  ShownTexts shown;
  EXPECT_TRUE(LoadAircraftBytes(text, record, shown).completed);
  EXPECT_TRUE(record.AlphaBreakpoints[2].IsText());
  EXPECT_EQ(record.AlphaBreakpoints[2].text(), "zero");
  EXPECT_EQ(record.ThrustAltitudeBreakpoints[1], 0);
}

TEST(AircraftFile, AltitudesRoundHalfToEven) {
  struct Case {
    std::string field;
    int feet;
  };
  const Case cases[] = {{"2.5", 2},       {"3.5", 4},        {"-2.5", -2},
                        {"1000.4", 1000}, {"1000 ft", 1000}, {"1e3", 1000}};
  for (const Case& c : cases) {
    AircraftRecord record;
    ShownTexts shown;
    const std::string text = Replace(CheckAircraft(), "0, 50000", "0, " + c.field);
    LoadAircraftBytes(text, record, shown);
    EXPECT_EQ(record.ThrustAltitudeBreakpoints[2], c.feet) << c.field;
  }
}

TEST(AircraftFile, ValueFollowedByACommentIsOneTextField) {
  const std::string text = Replace(CheckAircraft(), "19000, zero", "19000   lb, zero");
  AircraftRecord record;
  ShownTexts shown;
  EXPECT_TRUE(LoadAircraftBytes(text, record, shown).completed);
  EXPECT_EQ(shown.zfw, "19000   lb");
  EXPECT_TRUE(record.ZeroFuelWeight.IsText());
}

TEST(AircraftRecordLifecycle, ResetZeroesTheCornersAndKeepsTheRest) {
  AircraftRecord record;
  EXPECT_EQ(Number(record.AerodynamicMachCount), 0);  // before the first load
  record.AerodynamicMachBreakpoints[20] = FieldValue::Number(9);
  record.AerodynamicMachBreakpoints[15] = FieldValue::Number(9);
  record.LiftTable[16][3] = FieldValue::Number(9);
  record.LiftTable[15][15] = FieldValue::Number(9);
  record.FuelFlowFactorAb = 2;
  record.AircraftFileName = "a.dat";
  record.AlphaCount = FieldValue::Text("x");
  ResetAircraftRecord(record);
  EXPECT_EQ(Number(record.AerodynamicMachBreakpoints[20]), 9);
  EXPECT_EQ(Number(record.AerodynamicMachBreakpoints[15]), 0);
  EXPECT_EQ(Number(record.LiftTable[16][3]), 9);
  EXPECT_EQ(Number(record.LiftTable[15][15]), 0);
  EXPECT_EQ(record.FuelFlowFactorAb, 2);
  EXPECT_EQ(record.AircraftFileName, "a.dat");
  EXPECT_EQ(Number(record.AlphaCount), 0);
}

TEST(AircraftRecordLifecycle, ReloadWithFewerEntriesKeepsTheOldTail) {
  std::string twenty, eighteen;
  for (int i = 1; i <= 20; ++i)
    twenty += std::to_string(i) + (i < 20 ? ", " : "");
  for (int i = 1; i <= 18; ++i)
    eighteen += std::to_string(i * 10) + (i < 18 ? ", " : "");
  const std::string all = CheckAircraft();
  const auto with_axis = [&](int count, const std::string& values) {
    return Replace(Replace(all, "2, aerodynamic Mach breakpoints",
                           std::to_string(count) + ", aerodynamic Mach breakpoints"),
                   "0, 2\n", values + "\n");
  };
  AircraftRecord record;
  ShownTexts shown;
  LoadAircraftBytes(with_axis(20, twenty), record, shown);
  ResetAircraftRecord(record);
  LoadAircraftBytes(with_axis(18, eighteen), record, shown);
  EXPECT_EQ(Number(record.AerodynamicMachCount), 18);
  EXPECT_EQ(Number(record.AerodynamicMachBreakpoints[18]), 180);
  EXPECT_EQ(Number(record.AerodynamicMachBreakpoints[19]), 19);
  EXPECT_EQ(Number(record.AerodynamicMachBreakpoints[20]), 20);
}

TEST(AircraftFile, UnopenablePathsAreRefusedWithTheirReason) {
  AircraftRecord record;
  ShownTexts shown;
  const LoadOutcome missing = LoadAircraftFile("/nonexistent/x.dat", record, shown);
  EXPECT_FALSE(missing.completed);
  EXPECT_EQ(missing.line, 0);
  EXPECT_EQ(missing.Message(), "Load stopped: cannot open file: /nonexistent/x.dat (no such file)");
  const LoadOutcome folder = LoadAircraftFile(TZ9_EXAMPLES_DIR, record, shown);
  EXPECT_NE(folder.cause.find("is a folder"), std::string::npos);
  EXPECT_EQ(shown.name, "(old)");
}

}  // namespace
}  // namespace tz9
