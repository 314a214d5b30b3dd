// SPDX-License-Identifier: GPL-3.0-or-later
// The lines of the energy-manoeuvrability (E-M) chart of one altitude, from its E-M scan: turn
// rate (deg/s) over the knots, each point with its CAS and Mach so that either may be the speed
// axis. The sustained turn in Military power and with afterburner, the instantaneous turn up
// to the g limit and its corner, lines of constant specific excess power with afterburner, and
// guide lines of constant load factor and constant turn radius.
//
//   specific excess power at n:  Ps(n) = ((T - D(W x n)) x Vt) / W  (ft/s)
//   the line of level P at a knot: the first step k whose Ps is at most P, the load factor
//   taken between step k - 1 and k in proportion to Ps; none where Ps(1) <= P already or Ps
//   stays above P up to the instantaneous load factor.
//
// Lines are cut into runs where a knot has no point; a run of one point is a lone point.
#pragma once

#include <optional>
#include <vector>

#include "performance/analysis_control.h"
#include "performance/climb_turn.h"
#include "performance/table_computation.h"

namespace tz9 {

struct EmChartPoint {
  double casKnots = 0;
  double mach = 0;
  double turnDegS = 0;
};

using EmPolyline = std::vector<EmChartPoint>;

// A line of one value (Ps in ft/s, a load factor, a radius in ft) in runs of rising speed.
struct EmLevelLine {
  double level = 0;
  std::vector<EmPolyline> runs;
  bool Empty() const { return runs.empty(); }
};

// The most knots the lines of specific excess power are found at: more are taken at an even
// stride, the last knot always among them.
inline constexpr long long kMaxPsKnots = 240;

struct EmChart {
  bool cancelled = false;
  std::vector<EmPolyline> militarySustained;
  std::vector<EmPolyline> afterburnerSustained;
  std::vector<EmPolyline> instantaneous;
  std::optional<EmChartPoint> corner;  // the lowest knot whose instantaneous turn reaches K/100
  double greatestTurnDegS = 0;         // of the instantaneous line; the guides end above it
  double psStep = 0;                   // ft/s between two lines of specific excess power
  std::vector<EmLevelLine> specificExcessPower;  // rising levels, 0 and two either side among them
  std::vector<EmLevelLine> loadFactorGuides;
  std::vector<EmLevelLine> radiusGuides;  // ft
};

// The levels of specific excess power (ft/s) for Ps at 1 g up to mostFps and at the
// instantaneous limit down to leastFps: multiples of a step of 1, 2 or 5 times a power of ten
// that cuts the greater side into at most 6, from the lowest multiple at or above leastFps to the
// highest at or below mostFps, and never fewer than -2, -1, 0, 1 and 2 steps. Returns the step.
double PsLevels(double leastFps, double mostFps, std::vector<double>& levels);

// The chart of scan, made over computation at the scan's altitude (the computation's weight and
// stores). Cancelled, through control, it holds nothing.
EmChart BuildEmChart(const TableComputation& computation, const EmScan& scan,
                     const AnalysisControl& control = {});

}  // namespace tz9
