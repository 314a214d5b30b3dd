// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped evaluation interpolates only the curve entries it needs; the reference cuts every
// curve whole. Over random aircraft, including awkward ones (text cells, huge values, counts past
// the axis, unsorted axes), both must report the same bits and the same failure; the points come
// in random order, so no evaluation can lean on what an earlier one left behind.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "performance/level_flight.h"
#include "test_support.h"

namespace tz9 {
namespace {

// defectRate: the share of values that are text, empty or huge.
struct RandomAircraft {
  std::mt19937_64 rng;
  double defectRate;

  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(rng);
  }
  bool Chance(double p) { return Uniform(0, 1) < p; }
  // Mostly the typical count, sometimes none, one, or more than the axis holds.
  int Count(int typical) {
    return Chance(0.02) ? 0 : Chance(0.02) ? 1 : Chance(0.01) ? 26 : typical;
  }

  // A value near base that now and then is text, empty or huge.
  FieldValue Value(double base, double spread) {
    const double r = Uniform(0, 1);
    if (r < defectRate) return FieldValue::Text("x");
    if (r < 2 * defectRate) return FieldValue();
    if (r < 3 * defectRate) return FieldValue::Number(Chance(0.5) ? 1e308 : -1e308);
    return FieldValue::Number(base + Uniform(-spread, spread));
  }

  void FillAxis(Axis<FieldValue>& axis, FieldValue& count, int entries, double first, double step) {
    count = FieldValue::Number(entries + (Chance(0.05) ? 0.5 : 0));
    double value = first + Uniform(0, step);
    for (int i = 1; i <= kMaxBreakpoints; ++i) {
      axis[i] = Chance(defectRate) ? FieldValue::Text("x") : FieldValue::Number(value);
      value += Chance(0.02) ? -step : Uniform(step * 0.2, step * 1.8);
    }
  }

  // Rows rise along the second axis so that lift curves can be inverted.
  void FillTable(Table& table, int rows, double base, double step) {
    for (int i = 1; i <= std::min(rows + 1, kMaxBreakpoints); ++i) {
      for (int j = 1; j <= kMaxBreakpoints; ++j)
        table[i][j] = Value(base + step * (j - 1) + 0.05 * base * i, step * 0.4);
    }
  }

  AircraftRecord Make() {
    AircraftRecord a;
    a.ReferenceArea = Chance(0.02) ? FieldValue() : FieldValue::Number(Uniform(150, 900));
    const int machs = Count(12), alphas = Count(14);
    FillAxis(a.AerodynamicMachBreakpoints, a.AerodynamicMachCount, machs, -0.1, 0.5);
    FillAxis(a.AlphaBreakpoints, a.AlphaCount, alphas, -10, 4);
    FillTable(a.LiftTable, machs, -0.6, 0.25);
    FillTable(a.DragTable, machs, 0.012, 0.01);
    const int thrustMachs = Count(10), altitudes = Count(8);
    FillAxis(a.ThrustMachBreakpoints, a.ThrustMachCount, thrustMachs, -0.1, 0.5);
    a.ThrustAltitudeCount = FieldValue::Number(altitudes);
    std::int32_t altitude = Chance(0.9) ? 0 : static_cast<std::int32_t>(Uniform(-3000, 3000));
    for (int i = 1; i <= kMaxBreakpoints; ++i) {
      a.ThrustAltitudeBreakpoints[i] = altitude;
      altitude += static_cast<std::int32_t>(Uniform(Chance(0.03) ? -5000 : 1, 12000));
    }
    if (Chance(0.02)) a.ThrustAltitudeBreakpoints[2] = INT32_MAX;
    FillTable(a.MilitaryThrustTable, altitudes, 5000, 1500);
    FillTable(a.AfterburnerThrustTable, altitudes, 14000, 3000);
    a.StoreDragMachBreakpoints = {0, Chance(0.95) ? 0.0f : 0.6f, 0.5f + float(Uniform(0, 0.4)),
                                  1.2f + float(Uniform(0, 0.6))};
    for (int k = 1; k <= kStoreDragPoints; ++k)
      a.StoreDragFactors[k] = Value(1, 0.5);
    a.ThrustMultiplier =
        Chance(0.02) ? FieldValue::Text("x") : FieldValue::Number(Uniform(0.8, 1.3));
    a.FuelFlowFactorNormal = Uniform(0.6, 1.0);
    a.FuelFlowFactorAb = Uniform(1.6, 2.4);
    return a;
  }
};

TEST(LevelFlightEquivalence, LazyLookupsGiveTheWholeCutsResultsBitForBit) {
  int outcomes[4] = {};  // Military, Afterburner, NoSteadyFlight, failed
  for (std::uint64_t seed = 1; seed <= 24; ++seed) {
    constexpr double kDefectRates[] = {0, 0.0005, 0.003};
    RandomAircraft random{std::mt19937_64(seed), kDefectRates[seed % 3]};
    const AircraftRecord a = random.Make();
    const LevelFlightModel model(a);
    for (int cell = 0; cell < 600; ++cell) {
      const double cas = random.Chance(0.01) ? 0 : random.Uniform(60, 1000);
      const float altitude = static_cast<float>(random.Chance(0.01) ? random.Uniform(140000, 250000)
                                                                    : random.Uniform(-500, 70000));
      const double weight = random.Chance(0.01) ? -5000 : random.Uniform(8000, 60000);
      StoreCounts counts{};
      for (double& count : counts)
        count = random.Chance(0.7) ? 0 : std::floor(random.Uniform(0, 5));
      const LevelFlightPoint whole = EvaluateLevelFlightReference(a, weight, counts, cas, altitude);
      const std::string where = "seed " + std::to_string(seed) + " cell " + std::to_string(cell);
      // A single point on its own, and the call from the row a sweep prepares once per altitude.
      const LevelFlightPoint single = EvaluateLevelFlight(a, weight, counts, cas, altitude);
      const LevelFlightPoint prepared =
          model.Evaluate(weight, counts, ComputeSpeedTerms(cas), model.PrepareRow(altitude));
      ASSERT_TRUE(test::SameBits(single, whole) && test::SameBits(prepared, whole))
          << where << ": " << CellFailureText(whole.failure);
      ++outcomes[whole.Failed() ? 3 : static_cast<int>(whole.regime)];
    }
  }
  // The comparison means something only if every kind of outcome occurred often enough.
  EXPECT_TRUE(outcomes[0] > 500 && outcomes[1] > 500 && outcomes[2] > 500 && outcomes[3] > 200)
      << "military " << outcomes[0] << ", afterburner " << outcomes[1] << ", no steady flight "
      << outcomes[2] << ", failed " << outcomes[3];
}

}  // namespace
}  // namespace tz9
