// SPDX-License-Identifier: GPL-3.0-or-later
// Climb and turn over a computed table: what the excess thrust buys at each altitude row. The
// rate of climb at 1 g in Military power and with afterburner, the time and fuel to climb from
// the first row, and the load factors of a level turn found to the hundredth of a g up to a g
// limit: sustained (the drag below the thrust of a power) and instantaneous (the aircraft still
// held up). The drag of a turn at load factor n is the level-flight drag at the weight n x W.
//
//   g limit 9            ->  steps k = 100, 101, ..., 900; n = k / 100; w = W x n
//   check aircraft,      ->  held up (the drag reached) up to k = 600: instantaneous 6 g
//   20000 lb, 0 ft,          afterburner (9000 lb) above the drag up to k = 482: sustained 4.82 g
//   314 kt                   Military (2500 lb) below the drag at 1 g: no sustained turn, and
//                            a climb of (((T - D(W)) x Vt) / W) x 60 = -3.4 ft/min
//
// A point is held up when its level-flight evaluation gets through the drag, whatever comes of
// the thrust after it; one that cannot be computed that far has no figures. Every figure is the
// step-by-step scan's: a point is evaluated exactly as a cell is, at each step the answer needs.
// Only the computation's inputs and axes are read, never its cells: a computation without cells
// (one swept into a sink) serves as well.
// Rows and columns named by a number count from 1; vectors hold row 1 at index 0.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "performance/analysis_control.h"
#include "performance/cell_failure.h"
#include "performance/table_computation.h"

namespace tz9 {

inline constexpr double kDefaultGLimit = 9;
inline constexpr double kMinGLimit = 1;
inline constexpr double kMaxGLimit = 15;
// The best climb rate a power must reach at a row for the row to be within its service ceiling.
inline constexpr double kServiceCeilingFpm = 100;

// Whether a g limit can be scanned: 1 <= g <= 15.
bool GLimitInRange(double gLimit);
// The last step K of the scan: the g limit to the nearest hundredth, times 100.
int LoadFactorSteps(double gLimit);

// Turn rate (deg/s) and radius (ft) of a level turn at load factor n and true airspeed vtFps
// (ft/s); a rate of 0 and no radius at n = 1.
double TurnRateDegS(double loadFactor, double vtFps);
std::optional<double> TurnRadiusFt(double loadFactor, double vtFps);
// Specific excess power (ft/s) with the thrust T and the drag D at one load factor.
double SpecificExcessPowerFps(double thrustLbf, double dragLbf, double vtFps, double weightLb);

enum class ClimbTurnStatus : std::uint8_t {
  Done,
  Cancelled,          // stopped by the progress callback or the cancel flag; no rows or points
  WeightNotPositive,  // the computing weight is not above 0; nothing is scanned
  GLimitOutOfRange,   // the g limit is not within 1..15; nothing is scanned
  SpeedRangeTooWide,  // the speed headers span more than kMaxScanKnots knots; nothing scanned
};

// What one power gives at one knot at 1 g, and its sustained turn. The thrust is the power's
// thrust table at the knot's altitude and Mach times the thrust multiplier, whatever the regime
// the cell would fly in; without it the power has no figure at the knot.
struct PowerAtKnot {
  std::optional<double> thrustLbf;
  std::optional<double> climbFpm;           // may be negative
  std::optional<double> sustainedG;         // none when the drag at 1 g is not below the thrust
  std::optional<double> sustainedTurnDegS;  // at sustainedG
};

// One whole knot of the E-M scan whose point is held up at 1 g.
struct EmPoint {
  double casKnots = 0;
  double tasKnots = 0;
  double mach = 0;
  double vtFps = 0;    // the true airspeed in ft/s
  double dragLbf = 0;  // at 1 g
  PowerAtKnot military;
  PowerAtKnot afterburner;
  double instantG = 1;  // the last load factor held up before the first that is not
  double instantTurnDegS = 0;
  std::optional<double> instantRadiusFt;  // none at 1 g
};

struct EmScan {
  ClimbTurnStatus status = ClimbTurnStatus::Done;
  float altitudeFt = 0;         // as scanned, in single precision
  int steps = 0;                // K
  std::vector<EmPoint> points;  // in rising speed; knots not held up at 1 g are left out
  long long knotsScanned = 0;
  long long knotsFailed = 0;                     // could not be computed as far as the drag at 1 g
  CellFailure firstFailure = CellFailure::None;  // of the lowest failed knot
};

// Every whole knot of the computation's speed span at one altitude (feet, taken in single
// precision; one beyond that range fails every knot), at the computation's weight and stores.
EmScan ScanEm(const TableComputation& computation, double altitudeFt,
              double gLimit = kDefaultGLimit, const AnalysisControl& control = {});

// A power's best climb at one row: the greatest climb rate over the knots, ties to the lowest
// speed.
struct BestClimb {
  double casKnots = 0;
  double rateFpm = 0;
  double thrustLbf = 0;       // available at that speed
  double fuelFlowLbPerH = 0;  // floor(thrust x the power's fuel-flow factor)
};

struct PowerClimb {
  std::optional<BestClimb> best;
  // From the first row, climbing at each row's best climb speed at the constant weight W; none
  // from the first row whose best rate is absent or not above 0 (or a figure beyond the range
  // of numbers).
  std::optional<double> timeMin;
  std::optional<double> fuelLb;
};

struct TurnAt {
  double casKnots = 0;
  double loadFactor = 0;
  double rateDegS = 0;
};

struct ClimbTurnRow {
  PowerClimb military;
  PowerClimb afterburner;
  std::optional<TurnAt> bestSustainedTurn;  // with afterburner: the greatest rate, ties low
  std::optional<TurnAt> corner;             // the lowest speed reaching the g limit
  long long knotsScanned = 0;
  long long knotsFailed = 0;                     // could not be computed as far as the drag at 1 g
  CellFailure firstFailure = CellFailure::None;  // of the lowest failed knot
};

struct ClimbTurnReport {
  ClimbTurnStatus status = ClimbTurnStatus::Done;
  int steps = 0;  // K
  double firstKnot = 0;
  long long knotCount = 0;
  std::vector<ClimbTurnRow> rows;  // rows[i] is grid row i + 1
  // The row of greatest altitude whose best climb rate is at least kServiceCeilingFpm (ties to
  // the first row).
  std::optional<int> militaryCeilingRow;
  std::optional<int> afterburnerCeilingRow;
};

// Every altitude row over every whole knot of the speed span, rows on every core when it pays;
// the answers are those of a sequential run.
ClimbTurnReport ComputeClimbTurn(const TableComputation& computation,
                                 double gLimit = kDefaultGLimit,
                                 const AnalysisControl& control = {});

}  // namespace tz9
