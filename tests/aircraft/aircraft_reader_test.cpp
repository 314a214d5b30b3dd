// SPDX-License-Identifier: GPL-3.0-or-later

#include "aircraft/aircraft_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

#include "../performance/test_support.h"

namespace tz9 {
namespace {

const std::string kExamples = TZ9_EXAMPLES_DIR;
const std::string kCheck = test::ExampleText("check-aircraft.dat");

// The check aircraft with the first `from` replaced by `to`.
std::string CheckAircraftWith(const std::string& from, const std::string& to,
                              std::string text = kCheck) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The check aircraft with `count` aerodynamic Mach breakpoints valued scale, 2 * scale, ...
std::string WithMachAxis(int count, int scale) {
  std::string values;
  for (int i = 1; i <= count; ++i)
    values += std::to_string(i * scale) + (i < count ? ", " : "\n");
  return CheckAircraftWith(
      "0, 2\n", values,
      CheckAircraftWith("2, aerodynamic Mach", std::to_string(count) + ", aerodynamic Mach"));
}

struct ShownTexts final : AircraftDisplay {
  std::string name = "(old)", zfw = "(old)", fuel = "(old)";
  void ShowAircraftName(const std::string& t) override { name = t; }
  void ShowZeroFuelWeight(const std::string& t) override { zfw = t; }
  void ShowMaxInternalFuel(const std::string& t) override { fuel = t; }
};

// One load into a record, with the texts it showed: of bytes, or of the file at a path.
struct Loaded {
  AircraftRecord record;
  ShownTexts shown;
  LoadOutcome outcome;
};

Loaded Load(const std::string& bytes, AircraftRecord record = {}, bool path = false) {
  Loaded l{std::move(record), {}, {}};
  l.outcome = path ? LoadAircraftFile(bytes, l.record, l.shown)
                   : LoadAircraftBytes(bytes, l.record, l.shown);
  return l;
}

Loaded LoadFile(const std::string& path) {
  return Load(path, {}, true);
}

double Number(const FieldValue& v) {
  return v.AsNumber().value_or(-999);
}

TEST(AircraftFile, BothExamplesReadCompletelyAndTheCheckAircraftFillsTheRecord) {
  EXPECT_TRUE(LoadFile(kExamples + "/generic-fighter.dat").outcome.completed);
  const Loaded l = LoadFile(kExamples + "/check-aircraft.dat");
  ASSERT_TRUE(l.outcome.completed) << l.outcome.Message();
  EXPECT_EQ(l.shown.name, "Check Aircraft");
  EXPECT_EQ(l.shown.fuel, "7000");
  // Drag values are the multiplier times the file value, taken 1.5 times.
  const AircraftRecord& r = l.record;
  EXPECT_EQ(std::vector<double>({Number(r.DragTable[1][1]), Number(r.DragTable[2][2]),
                                 Number(r.DragTable[1][3]), Number(r.DragTable[2][4])}),
            std::vector<double>({0.05, 0.02, 0.06, 0.2}));
  EXPECT_EQ(std::vector<double>({r.StoreDragMachBreakpoints[2], Number(r.StoreDragFactors[3]),
                                 r.FuelFlowFactorNormal, r.FuelFlowFactorAb}),
            std::vector<double>({0.5, 2, 0.8, 2}));
}

TEST(AircraftFile, EachFaultStopsTheLoadAtItsLineWithItsCause) {
  const std::string& all = kCheck;
  const struct {
    std::string bytes;
    int line;
    std::string cause;
  } cases[] = {
      {"", 1, "end of file while reading the aircraft name"},
      {CheckAircraftWith("Name = Check Aircraft", "Name"), 1,
       "the first field is shorter than 7 characters, so it holds no aircraft name"},
      {CheckAircraftWith("# PROPULSION DATA", "# PROPULSION"), 66,
       "end of file while looking for \"# PROPULSION DATA\""},
      {all.substr(0, all.find("# Stores Drag")), 58,
       "end of file while looking for \"# Stores Drag\""},
      {WithMachAxis(26, 1), 28, "count 26 exceeds 25"},
      {CheckAircraftWith("4, angle-of-attack", "four, angle-of-attack"), 31,
       "text where a number is needed in the angle-of-attack count"},
      {CheckAircraftWith("0.9, 1.2, Mach 2", "lots, 1.2, Mach 2"), 36,
       "text where a number is needed in the lift table"},
      {CheckAircraftWith("1, lift multiplier", "one, lift multiplier"), 34,
       "text where a number is needed in the lift multiplier"},
      {CheckAircraftWith("0, 50000", "0, 5e9"), 49, "an altitude breakpoint is out of range"},
      {CheckAircraftWith("nEngines 1", "engines 1"), 66,
       "end of file while reading the fuel-flow keywords"},
      {CheckAircraftWith("0.13333333333333333, Mach 2", "1.5e308, Mach 2"), 39,
       "a value of the drag table is out of range"}};
  for (const auto& c : cases) {
    const LoadOutcome outcome = Load(c.bytes).outcome;
    EXPECT_FALSE(outcome.completed) << c.cause;
    EXPECT_EQ(outcome.Message(), "Load stopped at line " + std::to_string(c.line) + ": " + c.cause);
  }
}

// The name is the first field without its first 7 characters, whatever they are; a field of
// exactly 7 leaves an empty name and the load goes on.
TEST(AircraftFile, NameLosesExactlyItsFirstSevenCharacters) {
  const std::pair<std::string, std::string> cases[] = {{"Name = Check Aircraft", "Check Aircraft"},
                                                       {"Aircraf", ""},
                                                       {"1234567", ""},
                                                       {"Title: F-16C", "F-16C"}};
  for (const auto& [field, name] : cases) {
    const Loaded l = Load(CheckAircraftWith("Name = Check Aircraft", field));
    EXPECT_TRUE(l.outcome.completed) << field << ": " << l.outcome.Message();
    EXPECT_EQ(l.shown.name, name) << field;
  }
}

TEST(AircraftFile, StoppedLoadKeepsWhatItRead) {
  AircraftRecord old;
  old.FuelFlowFactorNormal = 0.5;
  const Loaded cut = Load(kCheck.substr(0, kCheck.find("# Stores Drag")), old);
  EXPECT_EQ(cut.shown.zfw, "19000");
  EXPECT_EQ(Number(cut.record.AfterburnerThrustTable[2][2]), 4500);
  EXPECT_EQ(cut.record.FuelFlowFactorNormal, 0.5);
  const Loaded count26 = Load(WithMachAxis(26, 1));
  EXPECT_EQ(Number(count26.record.AerodynamicMachBreakpoints[25]), 25);
  EXPECT_EQ(Number(count26.record.AlphaCount), 0);  // the load stopped after entry 25
}

// Paths that name no regular file are refused before anything is read.
TEST(AircraftFile, PathsThatAreNoFileAreRefused) {
  const std::string pipe = testing::TempDir() + "tz9-pipe-" + std::to_string(getpid());
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);  // opening it would wait for a writer
  using enum FileOpenFailure;
  const std::string missing = kExamples + "/missing.dat";
  const std::tuple<std::string, std::string, FileOpenFailure> cases[] = {
      {missing, missing + " (no such file)", NoSuchFile},
      {kExamples, kExamples + " is a folder", Folder},
      {pipe, pipe + " is not a regular file", NotRegularFile},
      {"/dev/zero", "/dev/zero is not a regular file", NotRegularFile}};
  for (const auto& [path, reason, failure] : cases) {
    const Loaded l = LoadFile(path);
    EXPECT_EQ(l.outcome.Message(), "Load stopped: cannot open file: " + reason);
    EXPECT_EQ(l.outcome.openFailure, failure) << path;
    EXPECT_EQ(l.shown.name, "(old)");
  }
  std::remove(pipe.c_str());
}

// Reset zeroes the 15 x 15 corners, the counts and the multipliers; a reload with fewer entries
// keeps the tail of the last one, and the fuel-flow factors stay.
TEST(AircraftRecordLifecycle, ResetAndReloadKeepTheOldTail) {
  Loaded first = Load(WithMachAxis(25, 1));
  first.record.LiftTable[16][3] = FieldValue::Number(9);
  first.record.FuelFlowFactorAb = 7;
  ResetAircraftRecord(first.record);
  EXPECT_EQ(Number(first.record.AerodynamicMachBreakpoints[15]), 0);
  EXPECT_EQ(Number(first.record.LiftTable[15][15]), 0);
  EXPECT_EQ(Number(first.record.LiftTable[16][3]), 9);
  EXPECT_EQ(Number(first.record.AlphaCount), 0);
  EXPECT_EQ(first.record.FuelFlowFactorAb, 7);
  const Loaded second = Load(WithMachAxis(18, 10), first.record);
  EXPECT_EQ(Number(second.record.AerodynamicMachCount), 18);
  EXPECT_EQ(Number(second.record.AerodynamicMachBreakpoints[18]), 180);
  EXPECT_EQ(Number(second.record.AerodynamicMachBreakpoints[19]), 19);
  EXPECT_EQ(Number(second.record.AerodynamicMachBreakpoints[25]), 25);
}

// A blank line for a count reads no entries. After a Military row, a one-character field takes
// the next field with it; an empty one does not.
TEST(AircraftFile, BlankCountsAndMilitaryRowsFollowedByOneCharacter) {
  const Loaded blank = Load(CheckAircraftWith("2, propulsion Mach breakpoints\n0, 3\n", "\n,\n"));
  EXPECT_TRUE(blank.record.ThrustMachCount.IsEmpty());
  EXPECT_EQ(Number(blank.record.ThrustMachCount), 0);
  for (const char* row : {"2500, 2500, 7, 0 ft", "2500, 2500,"}) {
    const Loaded l = Load(CheckAircraftWith("2500, 2500, 0 ft", row));
    EXPECT_TRUE(l.outcome.completed) << row;
    EXPECT_EQ(Number(l.record.MilitaryThrustTable[2][1]), 2000) << row;
  }
}

TEST(AircraftFile, KeywordScanRules) {
  const struct {
    const char* name;
    std::string keywords;
    double normal, ab;
  } cases[] = {
      {"comment after a comma", "fuelFlowFactorNormal 0.7, x\nfuelFlowFactorAb 1.9\nnEngines 2",
       0.7, 1.9},
      {"other capitals are passed over",
       "FuelFlowFactorNormal 5\nfuelFlowFactorNormal 0.6\nfuelFlowFactorAb 3\nnEngines 1", 0.6, 3},
      {"colon gives 0", "fuelFlowFactorNormal: 0.8\nfuelFlowFactorAb = 2\nnEngines 1", 0, 0},
      {"three matches of one keyword end the scan",
       "fuelFlowFactorAb 4\nfuelFlowFactorAb 5\nfuelFlowFactorAb 6\nfuelFlowFactorNormal 9", -1,
       6}};
  AircraftRecord old;
  old.FuelFlowFactorNormal = -1;
  for (const auto& c : cases) {
    const Loaded l = Load(kCheck.substr(0, kCheck.find("fuelFlowFactorNormal")) + c.keywords, old);
    EXPECT_TRUE(l.outcome.completed) << c.name;
    EXPECT_EQ(l.record.FuelFlowFactorNormal, c.normal) << c.name;
    EXPECT_EQ(l.record.FuelFlowFactorAb, c.ab) << c.name;
  }
}

// Altitudes round half to even; text reads as 0 there, while it stays text in other fields.
TEST(AircraftFile, AltitudesRoundHalfToEvenAndTextReadsZeroThereOnly) {
  const std::pair<std::string, int> cases[] = {{"2.5", 2},        {"3.5", 4},    {"-2.5", -2},
                                               {"1000 ft", 1000}, {"1e3", 1000}, {"low", 0}};
  for (const auto& [field, feet] : cases) {
    const Loaded l = Load(CheckAircraftWith("0, 50000", "0, " + field));
    EXPECT_TRUE(l.outcome.completed);
    EXPECT_EQ(l.record.ThrustAltitudeBreakpoints[2], feet) << field;
  }
  const Loaded l = Load(CheckAircraftWith("19000, zero", "19000   lb, zero",
                                          CheckAircraftWith("-5, 0, 10", "-5, zero, 10")));
  EXPECT_TRUE(l.outcome.completed);
  EXPECT_EQ(l.record.AlphaBreakpoints[2].text(), "zero");
  EXPECT_TRUE(l.record.AlphaBreakpoints[2].IsText());
  EXPECT_EQ(l.shown.zfw, "19000   lb");
  EXPECT_TRUE(l.record.ZeroFuelWeight.IsText());
}

}  // namespace
}  // namespace tz9
