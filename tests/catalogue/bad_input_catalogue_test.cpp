// The bad-input catalogue: aircraft files edited by hand, cut short or not aircraft files at all,
// any text typed into a count, weight or range field, and cells the flight model cannot compute.
// Each row names the input and the answer the user gets: the load message, the loadout texts,
// the layout refusal or the sweep message. After all of them a normal table still computes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "aircraft/aircraft_reader.h"
#include "common/number_text.h"
#include "loadout/loadout.h"
#include "performance/sweep.h"
#include "tables/table_layout.h"

namespace tz9 {
namespace {

namespace fs = std::filesystem;

constexpr size_t kBigFileBytes = 50u << 20;  // a few seconds even under the sanitizers

std::string ReadExample(const std::string& name) {
  std::ifstream file(std::string(TZ9_EXAMPLES_DIR) + "/" + name, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The check aircraft with LF line ends, so that rows can replace whole lines.
std::string CheckAircraft() {
  std::string lf;
  for (char c : ReadExample("check-aircraft.dat")) {
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

// The check aircraft up to (not including) the first line that starts with `line`.
std::string CutBefore(const std::string& line) {
  const std::string text = CheckAircraft();
  const size_t at = text.find("\n" + line);
  EXPECT_NE(at, std::string::npos) << line;
  return text.substr(0, at + 1);
}

struct ShownTexts final : AircraftDisplay {
  std::string name = "(old)", zfw = "(old)", fuel = "(old)";
  void ShowAircraftName(const std::string& t) override { name = t; }
  void ShowZeroFuelWeight(const std::string& t) override { zfw = t; }
  void ShowMaxInternalFuel(const std::string& t) override { fuel = t; }
};

// A folder of its own for the files a row writes, removed with everything in it.
class ScratchDir {
 public:
  ScratchDir() {
    char pattern[] = "/tmp/tz9-catalogue-XXXXXX";
    const char* made = mkdtemp(pattern);
    EXPECT_NE(made, nullptr);
    path_ = made != nullptr ? made : "/tmp";
  }
  ~ScratchDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string path = (path_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string Path(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

// ---- Load ----------------------------------------------------------------------------------

struct LoadRow {
  std::string name;
  std::string bytes;
  std::string message;
  std::string nameShown;  // "(old)" where the load stopped before the name
  std::string zfwShown;
};

// Every failure of the Load command after the open step: the load says where and why it stopped,
// and the fields it reached show the new values.
TEST(BadInputCatalogue, EveryLoadFailureSaysWhereAndWhy) {
  const std::string check = CheckAircraft();
  const std::vector<LoadRow> rows = {
      {"empty file", "", "Load stopped at line 1: end of file while reading the aircraft name",
       "(old)", "(old)"},
      {"name shorter than 7 characters", "Name\n# INPUT MASS AND GEOMETRIC PROPERTIES:\n",
       "Load stopped at line 1: the first field is shorter than 7 characters, so it holds no "
       "aircraft name",
       "(old)", "(old)"},
      {"no mass marker", Replace(check, "# INPUT MASS", "# MASS"),
       "Load stopped at line 66: end of file while looking for \"# INPUT MASS AND GEOMETRIC "
       "PROPERTIES:\"",
       "Check Aircraft", "(old)"},
      {"cut short in the lift table", CutBefore("-0.3, 0.1, 0.9, 1.2, Mach 2"),
       "Load stopped at line 35: end of file while reading the lift table", "Check Aircraft",
       "19000"},
      {"no propulsion marker", Replace(check, "# PROPULSION DATA", "# PROPULSION"),
       "Load stopped at line 66: end of file while looking for \"# PROPULSION DATA\"",
       "Check Aircraft", "19000"},
      {"no stores drag marker", Replace(check, "# Stores Drag", "# Stores drag"),
       "Load stopped at line 66: end of file while looking for \"# Stores Drag\"", "Check Aircraft",
       "19000"},
      {"two keyword matches", Replace(check, "nEngines 1", "engines 1"),
       "Load stopped at line 66: end of file while reading the fuel-flow keywords",
       "Check Aircraft", "19000"},
      {"count 26", Replace(check, "2, aerodynamic Mach", "26, aerodynamic Mach"),
       "Load stopped at line 28: count 26 exceeds 25", "Check Aircraft", "19000"},
      {"count that is text", Replace(check, "2, aerodynamic Mach", "two, aerodynamic Mach"),
       "Load stopped at line 28: text where a number is needed in the aerodynamic Mach count",
       "Check Aircraft", "19000"},
      {"lift multiplier that is text", Replace(check, "1, lift multiplier", "one, lift multiplier"),
       "Load stopped at line 34: text where a number is needed in the lift multiplier",
       "Check Aircraft", "19000"},
      {"lift value that is text",
       Replace(check, "-0.3, 0.1, 0.9, 1.2, Mach 2", "-0.3, 0.1, x, 1.2"),
       "Load stopped at line 36: text where a number is needed in the lift table", "Check Aircraft",
       "19000"},
      {"drag multiplier that is text",
       Replace(check, "coefficient, 1, drag", "coefficient, k, drag"),
       "Load stopped at line 37: text where a number is needed in the drag multiplier",
       "Check Aircraft", "19000"},
      {"drag value that is text", Replace(check, "0.03333333333333333, 0.01", "0.0333x, 0.01"),
       "Load stopped at line 38: text where a number is needed in the drag table", "Check Aircraft",
       "19000"},
      {"lift value beyond the double range",
       Replace(Replace(check, "1, lift multiplier", "1e300, lift multiplier"),
               "-0.3, 0.1, 0.9, 1.2, Mach 0", "-0.3, 0.1, 1e10, 1.2, Mach 0"),
       "Load stopped at line 35: a value of the lift table is out of range", "Check Aircraft",
       "19000"},
  };
  for (const LoadRow& row : rows) {
    SCOPED_TRACE(row.name);
    AircraftRecord record;
    ResetAircraftRecord(record);
    ShownTexts shown;
    const LoadOutcome outcome = LoadAircraftBytes(row.bytes, record, shown);
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(outcome.Message(), row.message);
    EXPECT_EQ(shown.name, row.nameShown);
    EXPECT_EQ(shown.zfw, row.zfwShown);
  }
}

// Paths that name no readable file are refused before anything is read.
TEST(BadInputCatalogue, PathsThatAreNoFileAreRefused) {
  const ScratchDir scratch;
  const std::string folder = scratch.Path("planes.dat");
  fs::create_directory(folder);
  const std::string missing = scratch.Path("missing.dat");
  const std::string pipe = scratch.Path("pipe.dat");  // opening it would wait for a writer
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const struct {
    std::string name, path, message;
  } rows[] = {
      {"missing file", missing, "Load stopped: cannot open file: " + missing + " (no such file)"},
      {"a folder", folder, "Load stopped: cannot open file: " + folder + " is a folder"},
      {"empty path", "", "Load stopped: cannot open file:  (no such file)"},
      {"a named pipe", pipe, "Load stopped: cannot open file: " + pipe + " is not a regular file"},
      {"an endless device", "/dev/zero",
       "Load stopped: cannot open file: /dev/zero is not a regular file"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    AircraftRecord record;
    ShownTexts shown;
    const LoadOutcome outcome = LoadAircraftFile(row.path, record, shown);
    EXPECT_EQ(outcome.Message(), row.message);
    EXPECT_EQ(shown.name, "(old)");
  }
}

TEST(BadInputCatalogue, UnreadableFileIsRefused) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads a file whatever its mode";
  const ScratchDir scratch;
  const std::string path = scratch.Write("locked.dat", CheckAircraft());
  ASSERT_EQ(chmod(path.c_str(), 0), 0);
  AircraftRecord record;
  ShownTexts shown;
  const LoadOutcome outcome = LoadAircraftFile(path, record, shown);
  EXPECT_EQ(outcome.Message(),
            "Load stopped: cannot open file: " + path + " (no permission to read it)");
  EXPECT_EQ(shown.name, "(old)");
}

// Tens of megabytes that are no aircraft file: the load returns with a message. Memory stays
// within a few copies of the file, since the file is read whole.
TEST(BadInputCatalogue, HugeFilesThatAreNoAircraftReturn) {
  std::string random(kBigFileBytes, '\0');
  std::mt19937 generator(20240611);
  for (char& c : random)
    c = static_cast<char>(generator() & 0xFF);
  std::string endless;
  endless.reserve(kBigFileBytes);
  while (endless.size() + 10 <= kBigFileBytes)
    endless += "1234567890";
  const struct {
    std::string name;
    const std::string* bytes;
    std::string cause;
  } rows[] = {
      {"random bytes", &random, "end of file while looking for \"# INPUT MASS AND GEOMETRIC"},
      {"one endless line of digits", &endless,
       "Load stopped at line 1: end of file while looking for \"# INPUT MASS AND GEOMETRIC"},
  };
  const ScratchDir scratch;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = scratch.Write("big.dat", *row.bytes);
    AircraftRecord record;
    ShownTexts shown;
    const LoadOutcome outcome = LoadAircraftFile(path, record, shown);
    EXPECT_FALSE(outcome.completed);
    EXPECT_NE(outcome.Message().find(row.cause), std::string::npos) << outcome.Message();
    fs::remove(path);
  }
}

// ---- Count fields and the loadout --------------------------------------------------------

struct CountRow {
  std::string name;
  std::string text;  // typed into the AA missiles field
  bool numeric;      // kept by the field; otherwise it becomes "0"
  std::string storesWeight, actualWeight, compWeight;
};

TEST(BadInputCatalogue, CountTextsGiveFiguresOrOverflow) {
  const std::string manyNines(10000, '9');
  const std::string tinyFraction = "0." + std::string(9998, '0') + "1";
  const std::vector<CountRow> rows = {
      {"1e400", "1e400", false, "overflow", "overflow", "overflow"},
      {"-1e400", "-1e400", false, "overflow", "overflow", "overflow"},
      {"10,000 nines", manyNines, false, "overflow", "overflow", "overflow"},
      {"10,000 digits of a tiny fraction", tinyFraction, true, "0", "26000", "26000"},
      {"1e308, whose weight overflows", "1e308", true, "overflow", "overflow", "overflow"},
      {"1e300", "1e300", true, "1.5e+302", "1.5e+302", "1.5e+302"},
      {"text", "two", false, "0", "26000", "26000"},
  };
  for (const CountRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(IsNumericText(row.text), row.numeric);
    const LoadoutTexts texts = ComputeLoadout({row.text, "0", "0", "0", "0", "0"}, "19000", "7000");
    EXPECT_EQ(texts.ExtraWeight, row.storesWeight);
    EXPECT_EQ(texts.ExtFuel, "0");
    EXPECT_EQ(texts.TotalFuel, "7000");
    EXPECT_EQ(texts.ActualWeight, row.actualWeight);
    EXPECT_EQ(texts.CompWeight, row.compWeight);
    // What the loadout writes is either a number or the word the sweep refuses.
    EXPECT_TRUE(IsNumericText(texts.CompWeight) || texts.CompWeight == kOverflowText);
  }
}

// ---- Range fields ---------------------------------------------------------------------------

struct GridSnapshot {
  int rows = 0, cols = 0;
  std::vector<std::string> texts;
  bool operator==(const GridSnapshot&) const = default;
};

GridSnapshot Snapshot(const ResultGrid& grid) {
  GridSnapshot s{grid.Rows(), grid.Cols(), {}};
  for (int r = 0; r < grid.Rows(); ++r) {
    for (int c = 0; c < grid.Cols(); ++c)
      s.texts.emplace_back(grid.TextAt(r, c));
  }
  return s;
}

struct RangeRow {
  std::string name;
  RangeTexts ranges;
  std::string refusal;
};

RangeTexts With(std::string_view RangeTexts::*field, std::string_view text) {
  RangeTexts ranges = DefaultRangeTexts();
  ranges.*field = text;
  return ranges;
}

TEST(BadInputCatalogue, RangesWithoutASoundAxisAreRefusedAndKeepTheGrids) {
  RangeTexts hugeSpan = DefaultRangeTexts();
  hugeSpan.altitudeMin = "-1e308";
  hugeSpan.altitudeStep1 = "1e308";
  hugeSpan.altitudeStep = "1e308";
  const std::vector<RangeRow> rows = {
      {"zero speed step", With(&RangeTexts::speedStep1, "0"),
       "Speed Step1 is 0: the axis cannot step from Min Speed to Step Speed."},
      {"empty altitude step", With(&RangeTexts::altitudeStep2, ""),
       "Altitude Step2 is 0: the axis cannot step from Step Altitude to Max Altitude."},
      {"negative step on a rising segment", With(&RangeTexts::speedStep2, "-30"),
       "Speed Step2 points away from Max Speed: it must be positive to go from Step Speed to Max "
       "Speed."},
      {"positive step on a falling segment", With(&RangeTexts::altitudeMin, "5000"),
       "Altitude Step1 points away from Step Altitude: it must be negative to go from Min "
       "Altitude to Step Altitude."},
      {"speed Max 1e308", With(&RangeTexts::speedMax, "1e308"),
       "Max Speed rounds to 1e+308, outside -32768 .. 32767."},
      {"altitude Max 1e308", With(&RangeTexts::altitudeMax, "1e308"),
       "The altitude axis would have more than 32766 values: choose larger steps."},
      {"altitude Min 1e400", With(&RangeTexts::altitudeMin, "1e400"),
       "Min Altitude is not a finite number."},
      {"a span beyond the double range", hugeSpan,
       "The span from Min Altitude to Step Altitude is too large to step through."},
      {"tiny step", With(&RangeTexts::speedStep1, "1e-300"),
       "The speed axis would have more than 32766 values: choose larger steps."},
      {"table beyond a million cells",
       [] {
         RangeTexts r = DefaultRangeTexts();
         r.speedStep1 = "0.01";   // 10,015 speeds
         r.altitudeStep2 = "10";  // by 3,903 altitudes
         return r;
       }(),
       "The table would have 39088545 data cells, more than 1000000: choose larger steps."},
  };
  for (const RangeRow& row : rows) {
    SCOPED_TRACE(row.name);
    ResultGrid msfg1, msfg2;
    ApplyStartupLayout(msfg1, msfg2);
    const GridSnapshot before = Snapshot(msfg1);
    const LayoutOutcome outcome = CreateTableLayout(row.ranges, msfg1, msfg2);
    EXPECT_FALSE(outcome.applied);
    EXPECT_EQ(outcome.refusal, row.refusal);
    EXPECT_EQ(Snapshot(msfg1), before);
    EXPECT_EQ(Snapshot(msfg2), before);
  }
}

// A step larger than its whole segment is no fault: the segment holds just its two ends.
TEST(BadInputCatalogue, HugeStepsGiveAxesOfTheEndsAlone) {
  RangeTexts ranges = DefaultRangeTexts();
  ranges.speedStep1 = "1e308";
  ranges.speedStep2 = "1e308";
  ranges.altitudeStep1 = "1e308";
  ranges.altitudeStep2 = "1e308";
  ResultGrid msfg1, msfg2;
  const LayoutOutcome outcome = CreateTableLayout(ranges, msfg1, msfg2);
  ASSERT_TRUE(outcome.applied) << outcome.refusal;
  ASSERT_EQ(msfg1.Cols(), 4);
  ASSERT_EQ(msfg1.Rows(), 4);
  EXPECT_EQ(msfg1.TextAt(0, 1), "150");
  EXPECT_EQ(msfg1.TextAt(0, 2), "250");
  EXPECT_EQ(msfg1.TextAt(0, 3), "660");
  EXPECT_EQ(msfg1.TextAt(3, 0), " 40000 ft");
}

// ---- Sweep ----------------------------------------------------------------------------------

// One cell at the given speed and altitude texts, laid out as "Create Table" does.
void LayOutOneCell(std::string_view speed, std::string_view altitude, ResultGrid& msfg1,
                   ResultGrid& msfg2) {
  RangeTexts ranges{speed, "50", speed, "50", speed, altitude, "500", altitude, "500", altitude};
  const LayoutOutcome outcome = CreateTableLayout(ranges, msfg1, msfg2);
  ASSERT_TRUE(outcome.applied) << outcome.refusal;
}

SweepInputs CheckInputs(std::string_view weight = "20000") {
  return {"19000", weight, {"0", "0", "0", "0", "0", "0"}, DisplayMode::LbsPerNm};
}

struct CellRow {
  std::string name;
  std::string file;  // the aircraft file's bytes
  std::string speed, altitude;
  std::string message;  // the sweep's status line
  std::string fuelFlow;
};

// Cells the flight model cannot compute are written "------" on white in both grids; the sweep
// counts them and names the first with its cause. The cells around them are still computed.
TEST(BadInputCatalogue, CellsThatCannotBeComputedAreCountedAndNamed) {
  const std::string check = CheckAircraft();
  const std::vector<CellRow> rows = {
      {"Mach below the first breakpoint", Replace(check, "\n0, 2\n", "\n0.5, 2\n"), "300", "0",
       "Computed 1 cell; 1 could not be computed, the first at 300 kt, 0 ft: Mach number below "
       "the first breakpoint of the lift table.",
       "------"},
      {"altitude below the first breakpoint", check, "300", "-1000",
       "Computed 1 cell; 1 could not be computed, the first at 300 kt, -1000 ft: altitude below "
       "the first breakpoint of the Military thrust table.",
       "------"},
      {"speed of 0", check, "0", "0",
       "Computed 1 cell; 1 could not be computed, the first at 0 kt, 0 ft: division by zero: "
       "speed of zero.",
       "------"},
      {"200,000 ft", check, "300", "200000",
       "Computed 1 cell; 1 could not be computed, the first at 300 kt, 200000 ft: altitude beyond "
       "the atmosphere model.",
       "------"},
      {"text in the Military thrust table", Replace(check, "2500, 2500, 0 ft", "2500, lots, 0 ft"),
       "300", "0",
       "Computed 1 cell; 1 could not be computed, the first at 300 kt, 0 ft: text where a number "
       "is needed in the Military thrust table.",
       "------"},
      {"fuel-flow factor beyond the double range",
       Replace(check, "fuelFlowFactorNormal 0.8", "fuelFlowFactorNormal 1e400"), "300", "0",
       "Computed 1 cell; 1 could not be computed, the first at 300 kt, 0 ft: arithmetic "
       "overflow.",
       "------"},
      // The search takes the first breakpoint above the value, so equal neighbours are never
      // the pair it interpolates between: they leave a gap it steps over, or an axis it leaves.
      {"equal neighbouring altitude breakpoints", Replace(check, "\n0, 50000\n", "\n0, 0\n"), "300",
       "0", "Computed 1 cell.", "------"},
      {"equal neighbouring angles of attack", Replace(check, "-5, 0, 10, 20", "-5, 0, 0, 20"),
       "300", "0", "Computed 1 cell.", "10969"},
  };
  for (const CellRow& row : rows) {
    SCOPED_TRACE(row.name);
    AircraftRecord record;
    ResetAircraftRecord(record);
    ShownTexts shown;
    ASSERT_TRUE(LoadAircraftBytes(row.file, record, shown).completed);
    ResultGrid msfg1, msfg2;
    LayOutOneCell(row.speed, row.altitude, msfg1, msfg2);
    const SweepOutcome outcome = ComputeTable(record, CheckInputs(), msfg1, msfg2);
    EXPECT_EQ(outcome.Message(), row.message);
    EXPECT_EQ(msfg1.TextAt(1, 1), row.fuelFlow);
    if (row.fuelFlow == "------") {
      EXPECT_EQ(msfg1.BackColorAt(1, 1), RegimeColour::White);
      EXPECT_EQ(msfg2.TextAt(1, 1), "------");
      EXPECT_EQ(msfg2.BackColorAt(1, 1), RegimeColour::White);
    }
  }
}

// A computing weight of 1e308 is a number, so the sweep runs; no cell can hold it up, and every
// cell says so.
TEST(BadInputCatalogue, HugeComputingWeightFailsEveryCellWithAMessage) {
  AircraftRecord record;
  ResetAircraftRecord(record);
  ShownTexts shown;
  ASSERT_TRUE(LoadAircraftBytes(CheckAircraft(), record, shown).completed);
  ResultGrid msfg1, msfg2;
  ApplyStartupLayout(msfg1, msfg2);
  const SweepOutcome outcome = ComputeTable(record, CheckInputs("1e308"), msfg1, msfg2);
  EXPECT_EQ(outcome.cellsWritten, 253);
  EXPECT_EQ(outcome.Message(),
            "Computed 253 cells; 253 could not be computed, the first at 150 kt, 0 ft: "
            "arithmetic overflow.");
  EXPECT_EQ(msfg1.TextAt(11, 23), "------");
  EXPECT_EQ(msfg1.BackColorAt(11, 23), RegimeColour::White);
}

TEST(BadInputCatalogue, WeightsThatAreNoNumberAreRefused) {
  const struct {
    std::string name, zfw, weight, message;
  } rows[] = {
      {"overflow from the loadout", "19000", std::string(kOverflowText),
       "The computing weight is not a number."},
      {"1e400", "19000", "1e400", "The computing weight is not a number."},
      {"no aircraft", "", "20000", "Compute Table needs an aircraft: load a file first."},
      {"zero fuel weight that is text", "19000 lb", "20000",
       "Compute Table needs an aircraft: load a file first."},
      {"below the zero fuel weight", "19000", "-1e308",
       "The computing weight is below the zero fuel weight."},
  };
  AircraftRecord record;
  ShownTexts shown;
  ASSERT_TRUE(LoadAircraftBytes(CheckAircraft(), record, shown).completed);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ResultGrid msfg1, msfg2;
    ApplyStartupLayout(msfg1, msfg2);
    const GridSnapshot before = Snapshot(msfg1);
    SweepInputs inputs = CheckInputs(row.weight);
    inputs.zeroFuelWeight = row.zfw;
    const SweepOutcome outcome = ComputeTable(record, inputs, msfg1, msfg2);
    EXPECT_EQ(outcome.Message(), row.message);
    EXPECT_EQ(Snapshot(msfg1), before);
  }
}

// ---- After the catalogue --------------------------------------------------------------------

// One record and one pair of grids go through every bad input in turn; the check aircraft then
// loads and computes exactly as it does in a fresh program.
TEST(BadInputCatalogue, NormalTableComputesAfterEveryBadInput) {
  AircraftRecord record;
  ResultGrid msfg1, msfg2;
  ApplyStartupLayout(msfg1, msfg2);
  ShownTexts shown;
  const std::string check = CheckAircraft();
  for (const std::string& bad : {Replace(check, "2, aerodynamic Mach", "26, aerodynamic Mach"),
                                 Replace(check, "2500, 2500, 0 ft", "2500, lots, 0 ft"),
                                 std::string("\x01\x02,\xff\n"), CutBefore("# Stores Drag")}) {
    ResetAircraftRecord(record);
    LoadAircraftBytes(bad, record, shown);
    ComputeTable(record, CheckInputs("1e308"), msfg1, msfg2);
  }
  CreateTableLayout(With(&RangeTexts::speedStep1, "0"), msfg1, msfg2);
  CreateTableLayout(With(&RangeTexts::speedMax, "1e308"), msfg1, msfg2);

  ResetAircraftRecord(record);
  const LoadOutcome load =
      LoadAircraftFile(std::string(TZ9_EXAMPLES_DIR) + "/check-aircraft.dat", record, shown);
  ASSERT_TRUE(load.completed) << load.Message();
  const LoadoutTexts loadout =
      ComputeLoadout({"0", "0", "0", "0", "0", "0"}, shown.zfw, shown.fuel);
  EXPECT_EQ(loadout.CompWeight, "26000");
  RangeTexts ranges = DefaultRangeTexts();
  ranges.speedMin = "300";
  ranges.speedStep = "300";
  ranges.speedMax = "300";
  ranges.altitudeStep = "0";
  ranges.altitudeMax = "0";
  ASSERT_TRUE(CreateTableLayout(ranges, msfg1, msfg2).applied);
  const SweepOutcome outcome = ComputeTable(record, CheckInputs(), msfg1, msfg2);
  EXPECT_EQ(outcome.Message(), "Computed 1 cell.");
  EXPECT_EQ(msfg1.TextAt(0, 1), "300");
  EXPECT_EQ(msfg1.TextAt(1, 0), " 0 ft");
  EXPECT_EQ(msfg1.TextAt(1, 1), "1896");
  EXPECT_EQ(msfg1.BackColorAt(1, 1), RegimeColour::White);
  EXPECT_EQ(msfg2.TextAt(1, 1), "6.319");
  EXPECT_EQ(msfg2.BackColorAt(1, 1), RegimeColour::White);
}

}  // namespace
}  // namespace tz9
