// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/mission_fuel.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/number_text.h"
#include "loadout/loadout.h"
#include "performance/best_speeds.h"

namespace tz9 {
namespace {

// The point a schedule flies at one step, or why it has none.
struct StepPoint {
  double cas = 0;       // kt
  double tas = 0;       // kt
  double fuelFlow = 0;  // lb/h
  NoAnswer noAnswer;
  bool afterburner = false;  // Military power does not hold it
};

NoAnswer NoPointIn(const RowScan& scan, const KnotSpeeds& knots, double weight) {
  if (knots.Count() == 0) return {NoAnswerCause::NoKnots, weight, CellFailure::None};
  const NoAnswerCause cause =
      scan.AllFailed() ? NoAnswerCause::NotComputable : NoAnswerCause::NoSteadyFlight;
  return {cause, weight, scan.firstFailure};
}

StepPoint FromScan(const std::optional<ScanPoint>& best, const RowScan& scan,
                   const KnotSpeeds& knots, double weight) {
  if (!best) return {0, 0, 0, NoPointIn(scan, knots, weight)};
  return {best->cas, best->tas, best->fuelFlow, {}, best->regime == PowerRegime::Afterburner};
}

StepPoint FromPoint(const LevelFlightPoint& point, double cas, double weight) {
  if (point.Failed()) return {0, 0, 0, {NoAnswerCause::NotComputable, weight, point.failure}};
  if (point.regime == PowerRegime::NoSteadyFlight) {
    return {0, 0, 0, {NoAnswerCause::NoSteadyFlight, weight, CellFailure::None}};
  }
  return {cas, point.tas, point.fuelFlow, {}, point.regime == PowerRegime::Afterburner};
}

// A step's speed is usable when it exists and burns fuel.
NoAnswer Usable(const StepPoint& point, double weight) {
  if (point.noAnswer.cause != NoAnswerCause::None) return point.noAnswer;
  if (!(point.fuelFlow > 0)) return {NoAnswerCause::FuelFlowNotPositive, weight, CellFailure::None};
  return {};
}

bool Open(const FlightAnswer& answer) {
  return answer.flight.has_value();
}

void Close(FlightAnswer& answer, const NoAnswer& why) {
  answer.flight.reset();
  answer.noAnswer = why;
}

// One step of dF lb flown at a point; the first that has no usable speed ends the schedule.
void FlyStep(FlightAnswer& answer, const StepPoint& point, double dF, double weight) {
  if (!Open(answer)) return;
  const NoAnswer why = Usable(point, weight);
  if (why.cause != NoAnswerCause::None) {
    Close(answer, why);
    return;
  }
  Flight& flight = *answer.flight;
  const double dt = dF / point.fuelFlow;  // h
  flight.distanceNm = flight.distanceNm + point.tas * dt;
  flight.timeHours = flight.timeHours + dt;
  if (!flight.startCasKnots) flight.startCasKnots = point.cas;
  flight.endCasKnots = point.cas;
  if (point.afterburner) flight.afterburnerFuelLb = flight.afterburnerFuelLb + dF;
}

// What one row shares: the model, the row's altitude terms and thrust cuts, the knots.
struct RowContext {
  const LevelFlightModel& model;
  const AltitudeRow& row;
  const StoreCounts& counts;
  const KnotSpeeds& knots;
  CellFailure headerFailure;  // the row's altitude header could not be read

  RowScan Scan(double weight) const {
    if (headerFailure != CellFailure::None) return FailedRowScan(knots, headerFailure);
    return ScanRow(model, row, weight, counts, knots);
  }
  LevelFlightPoint At(const SpeedTerms& speed, double weight) const {
    LevelFlightPoint point;
    point.failure = headerFailure;
    if (headerFailure != CellFailure::None) return point;
    return model.Evaluate(weight, counts, speed, row);
  }
};

// The burn's steps hold at most this many: beyond, 100 lb no longer changes the weight.
constexpr auto kMaxBurnSteps = static_cast<long long>(kMaxBurnLb / kMissionStepLb) + 2;

// Whether the speed holds level flight at the mid weight of any step from W0 down to We.
bool SteadyAtSomeWeight(const RowContext& context, const SpeedTerms& speed,
                        const MissionWeights& weights, const StopSignal& stop) {
  double w = weights.startLb;
  for (long long step = 0; w > weights.endLb && step < kMaxBurnSteps && !stop.Requested(); ++step) {
    const double dF = std::min(kMissionStepLb, w - weights.endLb);
    const LevelFlightPoint point = context.At(speed, w - dF / 2);
    if (!point.Failed() && point.regime != PowerRegime::NoSteadyFlight) return true;
    w = w - dF;
  }
  return false;
}

// The three schedules burn the same steps from W0 down to We; range and endurance share each
// step's scan.
void Burn(const RowContext& context, const MissionWeights& weights, const MissionInputs& inputs,
          const StopSignal& stop, MissionRow& result) {
  const SpeedTerms cruiseSpeed = ComputeSpeedTerms(inputs.cruiseCasKnots.value_or(0));
  result.range.flight = Flight{};
  result.endurance.flight = Flight{};
  if (inputs.cruiseCasKnots) {
    result.cruise.flight = Flight{};
  } else {
    result.cruise.noAnswer.cause = NoAnswerCause::NotAsked;
  }
  const double w0 = weights.startLb;
  const double we = weights.endLb;
  const auto closeAll = [&result](const NoAnswer& why) {
    for (FlightAnswer* answer : {&result.range, &result.endurance, &result.cruise}) {
      if (Open(*answer)) Close(*answer, why);
    }
  };
  if (!(w0 > we)) return closeAll({NoAnswerCause::NothingToBurn, w0, CellFailure::None});
  if (!(w0 - we <= kMaxBurnLb)) return closeAll({NoAnswerCause::StepLimit, w0, CellFailure::None});
  bool cruiseFlew = false;
  double w = w0;
  for (long long step = 0; w > we && !stop.Requested(); ++step) {
    const double dF = std::min(kMissionStepLb, w - we);
    const double mid = w - dF / 2;
    if (step == kMaxBurnSteps) {  // a weight too large for 100 lb to change it
      for (FlightAnswer* answer : {&result.range, &result.endurance, &result.cruise}) {
        if (Open(*answer)) Close(*answer, {NoAnswerCause::StepLimit, mid, CellFailure::None});
      }
    }
    if (Open(result.range) || Open(result.endurance)) {
      const RowScan scan = context.Scan(mid);
      FlyStep(result.range, FromScan(scan.bestRange, scan, context.knots, mid), dF, mid);
      FlyStep(result.endurance, FromScan(scan.bestEndurance, scan, context.knots, mid), dF, mid);
    }
    if (Open(result.cruise)) {
      const StepPoint point = FromPoint(context.At(cruiseSpeed, mid), cruiseSpeed.cas, mid);
      FlyStep(result.cruise, point, dF, mid);
      cruiseFlew = cruiseFlew || Open(result.cruise);
    }
    if (!Open(result.range) && !Open(result.endurance) && !Open(result.cruise)) break;
    w = w - dF;
  }
  // A cruise that ended at its first step may yet hold at a lighter weight; when it holds at
  // none, the speed itself is out of reach.
  if (result.cruise.noAnswer.cause == NoAnswerCause::NoSteadyFlight && !cruiseFlew &&
      !SteadyAtSomeWeight(context, cruiseSpeed, weights, stop)) {
    result.cruise.noAnswer.cause = NoAnswerCause::NeverSteady;
  }
}

// The fuel to fly the distance home on the range schedule and arrive at We, plus the reserve:
// steps of 100 lb upward from We, the last one flown in part. The fuel on board ends at W0: a
// way home that needs more is beyond it.
BingoAnswer Bingo(const RowContext& context, const MissionWeights& weights, double reserveLb,
                  double distanceNm, const StopSignal& stop) {
  const double w0 = weights.startLb;
  double w = weights.endLb;
  if (!(w0 > w)) return {std::nullopt, {NoAnswerCause::NothingToBurn, w0, CellFailure::None}};
  double distance = 0;
  double fuel = 0;
  double afterburnerFuel = 0;
  for (int step = 0; step < kMaxBingoSteps && !stop.Requested(); ++step) {
    const double mid = w + kMissionStepLb / 2;
    const RowScan scan = context.Scan(mid);
    const StepPoint point = FromScan(scan.bestRange, scan, context.knots, mid);
    const NoAnswer why = Usable(point, mid);
    if (why.cause != NoAnswerCause::None) return {std::nullopt, why};
    const double dd = point.tas * (kMissionStepLb / point.fuelFlow);  // NM
    const bool home = distance + dd >= distanceNm;
    const double share = home ? (distanceNm - distance) / dd : 1;  // of this step, flown
    const double room = (w0 - w) / kMissionStepLb;                 // of this step, on board
    if (room < share) {
      NoAnswer beyond{NoAnswerCause::BeyondFuelOnBoard, w0, CellFailure::None};
      beyond.coveredNm = distance + dd * room;
      return {std::nullopt, beyond};
    }
    if (point.afterburner) afterburnerFuel = afterburnerFuel + kMissionStepLb * share;
    if (home) return {reserveLb + (fuel + kMissionStepLb * share), {}, afterburnerFuel};
    distance = distance + dd;
    fuel = fuel + kMissionStepLb;
    w = w + kMissionStepLb;
  }
  return {std::nullopt, {NoAnswerCause::StepLimit, w, CellFailure::None}};
}

MissionRow ComputeRow(const RowContext& context, const MissionWeights& weights,
                      const MissionInputs& inputs, const StopSignal& stop) {
  MissionRow result;
  Burn(context, weights, inputs, stop, result);
  if (inputs.bingoDistanceNm) {
    result.bingo = Bingo(context, weights, inputs.reserveLb, *inputs.bingoDistanceNm, stop);
  } else {
    result.bingo.noAnswer.cause = NoAnswerCause::NotAsked;
  }
  return result;
}

StoreCountTexts CountViews(const TableComputation& computation) {
  StoreCountTexts views;
  for (size_t i = 0; i < views.size(); ++i)
    views[i] = computation.countTexts[i];
  return views;
}

}  // namespace

std::optional<double> MissionFigure(std::string_view text) {
  if (!IsNumericText(text)) return std::nullopt;
  const double value = ParseLeadingNumber(text);
  if (!(value >= 0)) return std::nullopt;
  return value;
}

std::optional<MissionWeights> MissionWeightsOf(const TableComputation& computation,
                                               double reserveLb) {
  // Only the stores weight of the loadout is needed; it does not depend on the fuel.
  const LoadoutTexts loadout =
      ComputeLoadout(CountViews(computation), computation.zeroFuelWeightText, "");
  if (!IsNumericText(loadout.ExtraWeight)) return std::nullopt;
  MissionWeights weights;
  weights.startLb = computation.weight;
  weights.zeroFuelLb = ParseLeadingNumber(computation.zeroFuelWeightText);
  weights.storesLb = ParseLeadingNumber(loadout.ExtraWeight);
  weights.emptyLb = weights.zeroFuelLb + weights.storesLb;
  weights.endLb = weights.emptyLb + reserveLb;
  return weights;
}

MissionReport ComputeMission(const TableComputation& computation, const MissionInputs& inputs,
                             const AnalysisControl& control) {
  MissionReport report;
  const std::optional<MissionWeights> weights = MissionWeightsOf(computation, inputs.reserveLb);
  if (!weights) {
    report.status = MissionStatus::StoresWeightBeyondRange;
    return report;
  }
  report.weights = *weights;
  const KnotSpeeds knots = MakeKnotSpeeds(computation);
  if (knots.status == KnotSpanStatus::TooWide) {
    report.status = MissionStatus::SpeedRangeTooWide;
    return report;
  }
  const int rows = computation.AltitudeCount();
  report.rows.resize(static_cast<size_t>(rows));
  const LevelFlightModel model(*computation.aircraft);
  const auto computeRow = [&](int i, const StopSignal& stop) {
    const CellFailure header = computation.altitudeFailures[i];
    const AltitudeRow row =
        header == CellFailure::None ? model.PrepareRow(computation.altitudes[i]) : AltitudeRow{};
    const RowContext context{model, row, computation.counts, knots, header};
    report.rows[i] = ComputeRow(context, report.weights, inputs, stop);
  };
  // Every row scans its knots once per step or more: two rows already pay for a thread.
  if (!ForEachRow(rows, rows >= 2, control, computeRow)) {
    report.status = MissionStatus::Cancelled;
    report.rows.clear();
  }
  return report;
}

MissionInputFindings FindMissionInputFindings(const MissionReport& report) {
  MissionInputFindings findings;
  findings.rows = static_cast<int>(report.rows.size());
  findings.reserveNotBelowFuel = !(report.weights.startLb > report.weights.endLb);
  for (const MissionRow& row : report.rows) {
    if (row.cruise.noAnswer.cause == NoAnswerCause::NeverSteady) ++findings.cruiseNeverSteadyRows;
    if (row.bingo.noAnswer.cause == NoAnswerCause::BeyondFuelOnBoard) {
      ++findings.bingoBeyondFuelRows;
      findings.mostCoveredNm =
          std::max(findings.mostCoveredNm.value_or(0), row.bingo.noAnswer.coveredNm);
    }
  }
  return findings;
}

}  // namespace tz9
