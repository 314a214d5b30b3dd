// SPDX-License-Identifier: GPL-3.0-or-later
// Mission fuel at every altitude row of a computed table: how far and how long the fuel on
// board lasts as the weight falls with every pound burnt, and the bingo fuel for a way home.
// The fuel burns in steps of 100 lb; each step flies at its mid weight, at the best-range speed,
// the best-endurance speed (both by the whole-knot scan of best_speeds.h) or a given cruise
// speed.
//
//   start weight W0 = the computation's weight            36000 lb
//   empty weight E  = zero fuel weight + stores weight    19000 + 5210 = 24210 lb
//   end weight We   = E + reserve                         24210 + 1500 = 25710 lb
//   steps at mid weights 35950, 35850, ..., 25755 (the last of 90 lb)
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "performance/analysis_control.h"
#include "performance/cell_failure.h"
#include "performance/table_computation.h"

namespace tz9 {

inline constexpr double kMissionStepLb = 100;
// More fuel than this to burn is no sound mission: the schedules then have no answer.
inline constexpr double kMaxBurnLb = 1000000;
// The bingo walk gives up after this many steps of 100 lb (100,000 lb of fuel).
inline constexpr int kMaxBingoSteps = 1000;

struct MissionInputs {
  double reserveLb = 0;                   // fuel still on board at the end
  std::optional<double> cruiseCasKnots;   // the cruise schedule's speed, as given
  std::optional<double> bingoDistanceNm;  // the way home, for the bingo fuel
};

// A figure typed for the mission (reserve, cruise speed, distance): a number by the
// numeric-text test that is not below 0; nothing otherwise.
std::optional<double> MissionFigure(std::string_view text);

// Why a schedule has no answer at a row.
enum class NoAnswerCause : std::uint8_t {
  None,            // it has one
  NotAsked,        // no cruise speed, or no return distance, was given
  NoKnots,         // the speed headers span no whole knot to scan
  NoSteadyFlight,  // at weightLb, no speed of the scan (or the cruise speed) holds level flight
  NotComputable,   // at weightLb, no point could be computed at all: failure says why
  FuelFlowNotPositive,  // at weightLb, the speed found has a fuel flow of 0 or less
  StepLimit,            // more than kMaxBurnLb to burn, or the bingo walk passed kMaxBingoSteps
  NothingToBurn,        // the reserve is at or above the fuel on board: no fuel to fly on
  // The cruise speed holds level flight at no weight of the burn, from weightLb (the first
  // step's mid weight) down to the last step's.
  NeverSteady,
  // The way home takes more than the fuel on board above the end weight: coveredNm is as far
  // as that fuel reaches.
  BeyondFuelOnBoard,
};

struct NoAnswer {
  NoAnswerCause cause = NoAnswerCause::None;
  double weightLb = 0;                      // the step's mid weight where it was found
  CellFailure failure = CellFailure::None;  // with NotComputable (or a failure seen on the way)
  double coveredNm = 0;                     // with BeyondFuelOnBoard
};

// One schedule flown from the start weight down to the end weight.
struct Flight {
  double distanceNm = 0;
  double timeHours = 0;
  std::optional<double> startCasKnots;  // the first step's speed; none when nothing was flown
  std::optional<double> endCasKnots;    // the last step's speed
  // The fuel burnt at steps whose speed needs the afterburner; 0 when Military power holds
  // every step.
  double afterburnerFuelLb = 0;
};

struct FlightAnswer {
  std::optional<Flight> flight;  // none: see noAnswer
  NoAnswer noAnswer;
};

struct BingoAnswer {
  std::optional<double> fuelLb;  // reserve included; none: see noAnswer
  NoAnswer noAnswer;
  double afterburnerFuelLb = 0;  // of the way home, at steps whose speed needs the afterburner
};

struct MissionRow {
  FlightAnswer range;      // at the best-range speed of each step
  FlightAnswer endurance;  // at the best-endurance speed of each step
  FlightAnswer cruise;     // at the cruise speed
  BingoAnswer bingo;
};

enum class MissionStatus : std::uint8_t {
  Done,
  Cancelled,                // stopped by the progress callback or the cancel flag; no rows
  StoresWeightBeyondRange,  // the stores weight has no number ("overflow"); no rows
  SpeedRangeTooWide,        // the speed headers span more than kMaxScanKnots knots; no rows
};

// The weights of the burn, lb. The zero fuel and stores weights are read back from their texts
// as the loadout fields show them (15 digits).
struct MissionWeights {
  double startLb = 0;     // W0, the computation's weight
  double zeroFuelLb = 0;  // Z
  double storesLb = 0;    // S, of the computation's store counts
  double emptyLb = 0;     // E = Z + S
  double endLb = 0;       // We = E + reserve

  // What the schedules burn: W0 - We, or 0 when nothing is flown.
  double FuelBurntLb() const { return startLb > endLb ? startLb - endLb : 0; }
  // W0 - E: at or below the reserve, nothing is flown.
  double FuelOnBoardLb() const { return startLb - emptyLb; }
};

struct MissionReport {
  MissionStatus status = MissionStatus::Done;
  MissionWeights weights;
  std::vector<MissionRow> rows;  // rows[i] is grid row i + 1
};

// The weights alone, or nothing when the stores weight has no number.
std::optional<MissionWeights> MissionWeightsOf(const TableComputation& computation,
                                               double reserveLb);

// Every row, on every core when it pays; the answers are those of a sequential run.
MissionReport ComputeMission(const TableComputation& computation, const MissionInputs& inputs,
                             const AnalysisControl& control = {});

// What the inputs ask that the rows cannot give, over the whole report: the window tells it
// beside the fields, the tool on stderr.
struct MissionInputFindings {
  bool reserveNotBelowFuel = false;  // nothing is flown at any row
  int rows = 0;
  int cruiseNeverSteadyRows = 0;        // rows with NoAnswerCause::NeverSteady for the cruise
  int bingoBeyondFuelRows = 0;          // rows with NoAnswerCause::BeyondFuelOnBoard
  std::optional<double> mostCoveredNm;  // the farthest of those rows' coveredNm
};

MissionInputFindings FindMissionInputFindings(const MissionReport& report);

}  // namespace tz9
