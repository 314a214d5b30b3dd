// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/em_chart.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "performance/atmosphere.h"
#include "performance/chart_model.h"
#include "performance/level_flight.h"

namespace tz9 {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kFirstStep = 100;  // n = 1
// Below this many evaluations a second thread does not pay for itself.
constexpr long long kParallelEvaluations = 20000;
constexpr double kGuideRadiiFt[] = {1000, 2000, 5000, 10000, 20000};

// Builds a line's runs point by point: a knot without a point ends the run going.
class RunBuilder {
 public:
  explicit RunBuilder(std::vector<EmPolyline>& runs) : runs_(runs) {}
  void Add(const EmPoint& knot, std::optional<double> turnDegS) {
    if (!turnDegS) {
      open_ = false;
      return;
    }
    if (!open_) runs_.emplace_back();
    open_ = true;
    runs_.back().push_back({knot.casKnots, knot.mach, *turnDegS});
  }

 private:
  std::vector<EmPolyline>& runs_;
  bool open_ = false;
};

int StepOf(double loadFactor) {
  return static_cast<int>(std::lround(loadFactor * 100));
}

// The knots the lines of specific excess power are found at: every one with afterburner thrust,
// or an even stride of them ending at the last.
std::vector<size_t> PsKnots(const EmScan& scan) {
  std::vector<size_t> with;
  for (size_t i = 0; i < scan.points.size(); ++i) {
    if (scan.points[i].afterburner.thrustLbf) with.push_back(i);
  }
  const auto count = static_cast<long long>(with.size());
  if (count <= kMaxPsKnots) return with;
  const long long stride = (count + kMaxPsKnots - 1) / kMaxPsKnots;
  std::vector<size_t> taken;
  for (long long i = 0; i < count; i += stride)
    taken.push_back(with[static_cast<size_t>(i)]);
  if (taken.back() != with.back()) taken.push_back(with.back());
  return taken;
}

// Ps with afterburner at each step from 100 up to the knot's instantaneous load factor.
std::vector<double> PsBySteps(const LevelFlightModel& model, const AltitudeRow& row,
                              const TableComputation& computation, const EmPoint& knot) {
  std::vector<double> ps;
  const double thrust = *knot.afterburner.thrustLbf;
  const AtmosphereState air = CombineAtmosphere(ComputeSpeedTerms(knot.casKnots), row.terms);
  const int last = StepOf(knot.instantG);
  for (int step = kFirstStep; step <= last; ++step) {
    const double w = computation.weight * (static_cast<double>(step) / 100);
    const LevelFlightPoint point = model.Evaluate(w, computation.counts, air, row);
    if (point.reached < LevelFlightPoint::Reached::Drag) break;
    ps.push_back(SpecificExcessPowerFps(thrust, point.totalDrag, knot.vtFps, computation.weight));
  }
  return ps;
}

// The turn rate where Ps falls to level, between the two steps either side.
std::optional<double> PsCrossing(const std::vector<double>& ps, double level, double vtFps) {
  if (ps.empty() || !(ps[0] > level)) return std::nullopt;
  for (size_t k = 1; k < ps.size(); ++k) {
    if (!(ps[k] <= level)) continue;
    const double share = (ps[k - 1] - level) / (ps[k - 1] - ps[k]);
    const double n = (static_cast<double>(kFirstStep + k - 1) + share) / 100;
    return TurnRateDegS(n, vtFps);
  }
  return std::nullopt;
}

std::vector<double> GuideLoadFactors(int steps) {
  const int whole = steps / 100;
  const int stride = whole - 1 > 4 ? 2 : 1;
  std::vector<double> factors;
  for (int n = 2; n <= whole; n += stride)
    factors.push_back(n);
  return factors;
}

// A guide line over every knot, the points above the greatest instantaneous turn left out.
EmLevelLine Guide(const EmScan& scan, double level, double top,
                  const std::function<double(double vtFps)>& rate) {
  EmLevelLine line{level, {}};
  RunBuilder runs(line.runs);
  for (const EmPoint& knot : scan.points) {
    const double r = rate(knot.vtFps);
    runs.Add(knot, r <= top ? std::optional<double>(r) : std::nullopt);
  }
  return line;
}

}  // namespace

double PsLevels(double leastFps, double mostFps, std::vector<double>& levels) {
  const double span = std::max({mostFps, -leastFps, 0.0});
  const double step = FitAxis(0, span > 0 ? span : 1, 6).tickStep;
  const double low = std::min(-2.0, std::ceil(leastFps / step));
  const double high = std::max(2.0, std::floor(mostFps / step));
  levels.clear();
  for (double k = low; k <= high; ++k)
    levels.push_back(k * step);
  return step;
}

EmChart BuildEmChart(const TableComputation& computation, const EmScan& scan,
                     const AnalysisControl& control) {
  EmChart chart;
  RunBuilder military(chart.militarySustained);
  RunBuilder afterburner(chart.afterburnerSustained);
  RunBuilder instant(chart.instantaneous);
  const double limit = static_cast<double>(scan.steps) / 100;
  for (const EmPoint& knot : scan.points) {
    military.Add(knot, knot.military.sustainedTurnDegS);
    afterburner.Add(knot, knot.afterburner.sustainedTurnDegS);
    instant.Add(knot, knot.instantTurnDegS);
    chart.greatestTurnDegS = std::max(chart.greatestTurnDegS, knot.instantTurnDegS);
    if (!chart.corner && knot.instantG == limit)
      chart.corner = EmChartPoint{knot.casKnots, knot.mach, knot.instantTurnDegS};
  }

  // Ps by steps at the knots taken, on as many threads as pay.
  const std::vector<size_t> knots = PsKnots(scan);
  std::vector<std::vector<double>> ps(knots.size());
  const LevelFlightModel model(*computation.aircraft);
  const AltitudeRow row = model.PrepareRow(scan.altitudeFt);
  const bool parallel =
      static_cast<long long>(knots.size()) * (scan.steps - kFirstStep + 1) >= kParallelEvaluations;
  const bool done =
      ForEachRow(static_cast<int>(knots.size()), parallel, control, [&](int i, const StopSignal&) {
        const auto k = static_cast<size_t>(i);
        ps[k] = PsBySteps(model, row, computation, scan.points[knots[k]]);
      });
  if (!done) {
    EmChart cancelled;
    cancelled.cancelled = true;
    return cancelled;
  }

  double least = 0;
  double most = 0;
  for (const std::vector<double>& byStep : ps) {
    if (byStep.empty()) continue;
    most = std::max(most, byStep.front());
    least = std::min(least, byStep.back());
  }
  std::vector<double> levels;
  chart.psStep = PsLevels(least, most, levels);
  for (double level : levels) {
    EmLevelLine line{level, {}};
    RunBuilder runs(line.runs);
    for (size_t k = 0; k < knots.size(); ++k) {
      const EmPoint& knot = scan.points[knots[k]];
      runs.Add(knot, PsCrossing(ps[k], level, knot.vtFps));
    }
    chart.specificExcessPower.push_back(std::move(line));
  }

  const double top = chart.greatestTurnDegS;
  for (double n : GuideLoadFactors(scan.steps)) {
    chart.loadFactorGuides.push_back(
        Guide(scan, n, top, [n](double vtFps) { return TurnRateDegS(n, vtFps); }));
  }
  for (double radius : kGuideRadiiFt) {
    chart.radiusGuides.push_back(Guide(
        scan, radius, top, [radius](double vtFps) { return ((vtFps / radius) * 180) / kPi; }));
  }
  return chart;
}

}  // namespace tz9
