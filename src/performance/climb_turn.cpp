// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/climb_turn.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "common/number_text.h"
#include "performance/best_speeds.h"
#include "performance/lookup.h"
#include "performance/turn_search.h"

namespace tz9 {
namespace {

using Reached = LevelFlightPoint::Reached;

constexpr double kFpsPerKnot = 1.687836;
constexpr double kGravityFtPerS2 = 32.174;
constexpr double kPi = 3.141592653589793;
constexpr int kFirstStep = 100;  // n = 1
// The threshold of the instantaneous load factor: only being held up decides it.
constexpr double kNoThrust = std::numeric_limits<double>::infinity();

// Below this many knots in all a second thread does not pay for itself; the E-M scan hands out
// its knots in pieces of this many.
constexpr long long kParallelKnots = 256;
constexpr long long kKnotsPerPiece = 32;

double LoadFactorOf(int step) {
  return static_cast<double>(step) / 100;
}

// An altitude to scan, in single precision, or the failure of every knot there.
struct ScanAltitude {
  float feet = 0;
  CellFailure failure = CellFailure::None;
};

ScanAltitude SingleAltitude(double feet) {
  if (!(std::fabs(feet) <= FLT_MAX)) return {0, CellFailure::AltitudeBeyondSinglePrecision};
  return {static_cast<float>(feet), CellFailure::None};
}

// The thrust of one power available at a Mach number: its table cut at the row's altitude, read
// at the Mach number, times the thrust multiplier. None where the lookup is out of range or
// cannot be made.
std::optional<double> ThrustAvailable(const AircraftRecord& aircraft, const ThrustCut& cut,
                                      double mach) {
  if (!cut.found) return std::nullopt;
  const Interpolated thrust = ReadCurve(cut.curve, aircraft.ThrustMachBreakpoints, cut.machs, mach);
  const auto multiplier = aircraft.ThrustMultiplier.AsNumber();
  if (thrust.status != LookupStatus::Found || !multiplier) return std::nullopt;
  const double available = thrust.value * *multiplier;
  if (!std::isfinite(available)) return std::nullopt;
  return available;
}

// What every knot of one altitude shares.
struct RowSetting {
  const LevelFlightModel& model;
  AltitudeRow row;
  double weight;  // lb, W
  const StoreCounts& counts;
  int steps;  // K
};

// The samples of one knot by step, each made at most once; reused from knot to knot.
class StepCache {
 public:
  explicit StepCache(int steps)
      : samples_(static_cast<size_t>(steps) + 1), stamps_(static_cast<size_t>(steps) + 1, 0) {}

  void NextKnot() { ++knot_; }

  template <typename Make>
  const TurnSample& Get(int step, const Make& make) {
    const auto i = static_cast<size_t>(step);
    if (stamps_[i] != knot_) {
      samples_[i] = make();
      stamps_[i] = knot_;
    }
    return samples_[i];
  }

  void Put(int step, const TurnSample& sample) {
    samples_[static_cast<size_t>(step)] = sample;
    stamps_[static_cast<size_t>(step)] = knot_;
  }

 private:
  std::vector<TurnSample> samples_;
  std::vector<unsigned long long> stamps_;
  unsigned long long knot_ = 0;
};

// One knot of one altitude: its point at 1 g and the search over its load-factor steps.
class KnotTurn {
 public:
  KnotTurn(const RowSetting& setting, const SpeedTerms& speed, StepCache& cache)
      : s_(setting), air_(CombineAtmosphere(speed, setting.row.terms)), cache_(cache) {
    cache_.NextKnot();
    level_ = s_.model.Evaluate(s_.weight, s_.counts, air_, s_.row);
    if (!HeldUp()) return;
    vtFps_ = level_.tas * kFpsPerKnot;
    const AircraftRecord& aircraft = s_.model.Aircraft();
    military_ = ThrustAvailable(aircraft, s_.row.military, level_.mach);
    afterburner_ = ThrustAvailable(aircraft, s_.row.afterburner, level_.mach);
    CutLiftCurve();
    cache_.Put(kFirstStep, SampleOf(level_));
  }

  // Held up at 1 g: the evaluation got through its drag steps, whatever came of the thrust. The
  // knot has figures.
  bool HeldUp() const { return level_.reached >= Reached::Drag; }
  // The point at 1 g could not be computed as far as its drag.
  bool Failed() const { return !HeldUp() && level_.Failed(); }
  const LevelFlightPoint& Level() const { return level_; }
  double VtFps() const { return vtFps_; }
  const std::optional<double>& Thrust(bool afterburner) const {
    return afterburner ? afterburner_ : military_;
  }

  std::optional<double> ClimbFpm(bool afterburner) const {
    const std::optional<double>& thrust = Thrust(afterburner);
    if (!thrust) return std::nullopt;
    const double rate = (((*thrust - level_.totalDrag) * vtFps_) / s_.weight) * 60;
    if (!std::isfinite(rate)) return std::nullopt;
    return rate;
  }

  // The last step held up before the first that is not (K when none fails).
  int InstantStep() { return FirstFailing(kNoThrust) - 1; }

  // The instantaneous load factor reaches the g limit: step K is held up, and every step
  // before it (K alone is one evaluation, and settles most knots that do not).
  bool ReachesLimit() { return At(s_.steps).heldUp && InstantStep() == s_.steps; }

  // The last step whose drag is below the power's thrust before the first that is not, or not
  // held up; none when step 100 already fails.
  std::optional<int> SustainedStep(bool afterburner) {
    const std::optional<double>& thrust = Thrust(afterburner);
    if (!thrust || !(level_.totalDrag < *thrust)) return std::nullopt;
    return FirstFailing(*thrust) - 1;
  }

 private:
  void CutLiftCurve() {
    const AircraftRecord& aircraft = s_.model.Aircraft();
    const EntryCount machs = CountEntries(aircraft.AerodynamicMachCount);
    const EntryCount alphas = CountEntries(aircraft.AlphaCount);
    alphas_ = alphas.entries;
    // Held up, the point's lift curve was cut with these very entries; the cut alone gives the
    // brackets of each step. Should it not succeed, no two steps are taken for the same stretch
    // and every step is evaluated.
    liftCut_ =
        machs.status == LookupStatus::Found && alphas.status == LookupStatus::Found &&
        InterpolateCurveAt(aircraft.LiftTable, aircraft.AerodynamicMachBreakpoints, machs.entries,
                           alphas_, level_.mach, lift_) == LookupStatus::Found;
  }

  TurnSample SampleOf(const LevelFlightPoint& point) const {
    if (point.reached < Reached::Drag) return {};
    TurnSample sample{true, point.totalDrag, point.liftCoefficient, point.angleOfAttack, -1, 0};
    if (!liftCut_) return sample;
    sample.liftBracket = 0;
    for (int k = 1; k <= alphas_; ++k) {
      if (lift_[k] > point.liftCoefficient) {
        sample.liftBracket = k;
        break;
      }
    }
    sample.alphaBracket =
        FindUpperBracket(s_.model.Aircraft().AlphaBreakpoints, alphas_, point.angleOfAttack).index;
    return sample;
  }

  const TurnSample& At(int step) {
    return cache_.Get(step, [&] {
      const double n = LoadFactorOf(step);
      return SampleOf(s_.model.Evaluate(s_.weight * n, s_.counts, air_, s_.row));
    });
  }

  // The last step whose lift and drag are likely still read between the sample's breakpoints:
  // the lift coefficient grows with the step, so the stretch ends where it reaches the lift
  // curve's next entry or the angle of attack leaves its bracket. A guess only: the search
  // checks every stretch from its ends. Step + 1 without a guess.
  int GuessStretchEnd(const TurnSample& sample, int step) const {
    const int j = sample.liftBracket;
    const int m = sample.alphaBracket;
    if (!sample.heldUp || j < 2 || m < 2 || !(sample.lift > 0)) return step + 1;
    const Axis<FieldValue>& alphaAxis = s_.model.Aircraft().AlphaBreakpoints;
    double liftEnd = lift_[j];
    const double slope =
        (alphaAxis[j].AsNumber().value_or(0) - alphaAxis[j - 1].AsNumber().value_or(0)) /
        (lift_[j] - lift_[j - 1]);
    double alphaEnd = alphaAxis[m].AsNumber().value_or(0);
    if (slope < 0) {  // the angle falls: its bracket ends at the greatest breakpoint below it
      alphaEnd = -std::numeric_limits<double>::infinity();
      for (int i = 1; i < m; ++i)
        alphaEnd = std::max(alphaEnd, alphaAxis[i].AsNumber().value_or(0));
    }
    if (slope != 0) liftEnd = std::min(liftEnd, sample.lift + (alphaEnd - sample.alpha) / slope);
    const double end = std::ceil(step * (liftEnd / sample.lift)) - 1;
    if (!(end > step)) return step + 1;
    return static_cast<int>(std::min(end, static_cast<double>(s_.steps)));
  }

  // The first failing step after step 100 (which passes), or K + 1.
  int FirstFailing(double thrust) {
    const auto at = [this](int step) -> const TurnSample& { return At(step); };
    const auto guessEnd = [this](const TurnSample& sample, int step) {
      return GuessStretchEnd(sample, step);
    };
    return TurnStepSearch(at, guessEnd).FirstFailing(kFirstStep, s_.steps, thrust);
  }

  const RowSetting& s_;
  const AtmosphereState air_;
  StepCache& cache_;
  LevelFlightPoint level_;
  double vtFps_ = 0;
  std::optional<double> military_;
  std::optional<double> afterburner_;
  bool liftCut_ = false;
  int alphas_ = 0;
  Curve lift_{};
};

PowerAtKnot PowerOf(KnotTurn& knot, bool afterburner) {
  PowerAtKnot power;
  power.thrustLbf = knot.Thrust(afterburner);
  power.climbFpm = knot.ClimbFpm(afterburner);
  if (const std::optional<int> step = knot.SustainedStep(afterburner)) {
    power.sustainedG = LoadFactorOf(*step);
    power.sustainedTurnDegS = TurnRateDegS(*power.sustainedG, knot.VtFps());
  }
  return power;
}

EmPoint EmPointOf(KnotTurn& knot, double cas) {
  EmPoint point;
  point.casKnots = cas;
  point.tasKnots = knot.Level().tas;
  point.mach = knot.Level().mach;
  point.vtFps = knot.VtFps();
  point.dragLbf = knot.Level().totalDrag;
  point.military = PowerOf(knot, false);
  point.afterburner = PowerOf(knot, true);
  point.instantG = LoadFactorOf(knot.InstantStep());
  point.instantTurnDegS = TurnRateDegS(point.instantG, point.vtFps);
  point.instantRadiusFt = TurnRadiusFt(point.instantG, point.vtFps);
  return point;
}

// Keeps the failure of the lowest failed knot, knots coming in rising order.
template <typename Counts>
void CountFailure(Counts& counts, CellFailure failure) {
  if (counts.knotsFailed++ == 0) counts.firstFailure = failure;
}

void UpdateBestClimb(PowerClimb& climb, KnotTurn& knot, bool afterburner, double cas,
                     double fuelFlowFactor) {
  const std::optional<double> rate = knot.ClimbFpm(afterburner);
  // Only a strictly greater rate replaces the best so far: ties stay with the lower speed.
  if (!rate || (climb.best && !(*rate > climb.best->rateFpm))) return;
  const double thrust = *knot.Thrust(afterburner);
  climb.best = BestClimb{cas, *rate, thrust, Floor(thrust * fuelFlowFactor)};
}

ClimbTurnRow ScanClimbTurnRow(const RowSetting& setting, const KnotSpeeds& knots,
                              const StopSignal& stop) {
  ClimbTurnRow result;
  result.knotsScanned = knots.Count();
  const AircraftRecord& aircraft = setting.model.Aircraft();
  StepCache cache(setting.steps);
  for (long long i = 0; i < knots.Count() && !stop.Requested(); ++i) {
    KnotTurn knot(setting, knots.terms[static_cast<size_t>(i)], cache);
    if (knot.Failed()) CountFailure(result, knot.Level().failure);
    if (!knot.HeldUp()) continue;
    const double cas = knots.Knot(i);
    UpdateBestClimb(result.military, knot, false, cas, aircraft.FuelFlowFactorNormal);
    UpdateBestClimb(result.afterburner, knot, true, cas, aircraft.FuelFlowFactorAb);
    if (const std::optional<int> step = knot.SustainedStep(true)) {
      const double n = LoadFactorOf(*step);
      const double rate = TurnRateDegS(n, knot.VtFps());
      auto& best = result.bestSustainedTurn;
      if (!best || rate > best->rateDegS) best = TurnAt{cas, n, rate};
    }
    if (!result.corner && knot.ReachesLimit()) {
      const double n = LoadFactorOf(setting.steps);
      result.corner = TurnAt{cas, n, TurnRateDegS(n, knot.VtFps())};
    }
  }
  return result;
}

// Time and fuel to climb from the first row at each row's best climb speed, for one power.
void ClimbFromFirstRow(const std::vector<float>& altitudes, PowerClimb ClimbTurnRow::*power,
                       std::vector<ClimbTurnRow>& rows) {
  double time = 0;  // min
  double fuel = 0;  // lb
  for (size_t i = 0; i < rows.size(); ++i) {
    PowerClimb& climb = rows[i].*power;
    if (!climb.best || !(climb.best->rateFpm > 0)) return;
    if (i > 0) {
      const BestClimb& below = *(rows[i - 1].*power).best;
      const BestClimb& here = *climb.best;
      const double rise = static_cast<double>(altitudes[i]) - static_cast<double>(altitudes[i - 1]);
      const double dt = (rise * ((1 / below.rateFpm) + (1 / here.rateFpm))) / 2;
      time = time + dt;
      fuel = fuel + (((below.fuelFlowLbPerH + here.fuelFlowLbPerH) / 2) * dt) / 60;
      if (!std::isfinite(time) || !std::isfinite(fuel)) return;
    }
    climb.timeMin = time;
    climb.fuelLb = fuel;
  }
}

std::optional<int> ServiceCeilingRow(const std::vector<float>& altitudes,
                                     const std::vector<ClimbTurnRow>& rows,
                                     PowerClimb ClimbTurnRow::*power) {
  std::optional<int> ceiling;
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::optional<BestClimb>& best = (rows[i].*power).best;
    if (!best || !(best->rateFpm >= kServiceCeilingFpm)) continue;
    if (!ceiling || altitudes[i] > altitudes[static_cast<size_t>(*ceiling - 1)]) {
      ceiling = static_cast<int>(i) + 1;
    }
  }
  return ceiling;
}

ClimbTurnStatus Refusal(const TableComputation& computation, double gLimit) {
  if (!(computation.weight > 0)) return ClimbTurnStatus::WeightNotPositive;
  if (!GLimitInRange(gLimit)) return ClimbTurnStatus::GLimitOutOfRange;
  return ClimbTurnStatus::Done;
}

}  // namespace

bool GLimitInRange(double gLimit) {
  return gLimit >= kMinGLimit && gLimit <= kMaxGLimit;
}

int LoadFactorSteps(double gLimit) {
  return static_cast<int>(std::floor(gLimit * 100 + 0.5));
}

double TurnRateDegS(double loadFactor, double vtFps) {
  if (loadFactor == 1) return 0;
  return (((kGravityFtPerS2 * std::sqrt(loadFactor * loadFactor - 1)) / vtFps) * 180) / kPi;
}

std::optional<double> TurnRadiusFt(double loadFactor, double vtFps) {
  if (loadFactor == 1) return std::nullopt;
  return (vtFps * vtFps) / (kGravityFtPerS2 * std::sqrt(loadFactor * loadFactor - 1));
}

double SpecificExcessPowerFps(double thrustLbf, double dragLbf, double vtFps, double weightLb) {
  return ((thrustLbf - dragLbf) * vtFps) / weightLb;
}

EmScan ScanEm(const TableComputation& computation, double altitudeFt, double gLimit,
              const AnalysisControl& control) {
  EmScan scan;
  scan.status = Refusal(computation, gLimit);
  if (scan.status != ClimbTurnStatus::Done) return scan;
  scan.steps = LoadFactorSteps(gLimit);
  const ScanAltitude altitude = SingleAltitude(altitudeFt);
  scan.altitudeFt = altitude.feet;
  const KnotSpeeds knots = MakeKnotSpeeds(computation);
  if (knots.status == KnotSpanStatus::TooWide) {
    scan.status = ClimbTurnStatus::SpeedRangeTooWide;
    return scan;
  }
  scan.knotsScanned = knots.Count();
  if (altitude.failure != CellFailure::None) {
    for (long long i = 0; i < knots.Count(); ++i)
      CountFailure(scan, altitude.failure);
    return scan;
  }
  const LevelFlightModel model(*computation.aircraft);
  const RowSetting setting{model, model.PrepareRow(altitude.feet), computation.weight,
                           computation.counts, scan.steps};
  // The knots in pieces, each a scan of its own, joined in order afterwards.
  const long long pieceCount = (knots.Count() + kKnotsPerPiece - 1) / kKnotsPerPiece;
  std::vector<EmScan> pieces(static_cast<size_t>(pieceCount));
  const auto scanPiece = [&](int p, const StopSignal& stop) {
    EmScan& piece = pieces[static_cast<size_t>(p)];
    StepCache cache(setting.steps);
    const long long end = std::min(knots.Count(), (p + 1) * kKnotsPerPiece);
    for (long long i = p * kKnotsPerPiece; i < end && !stop.Requested(); ++i) {
      KnotTurn knot(setting, knots.terms[static_cast<size_t>(i)], cache);
      if (knot.Failed()) CountFailure(piece, knot.Level().failure);
      if (knot.HeldUp()) piece.points.push_back(EmPointOf(knot, knots.Knot(i)));
    }
  };
  const bool parallel = knots.Count() >= kParallelKnots;
  if (!ForEachRow(static_cast<int>(pieceCount), parallel, control, scanPiece)) {
    scan.status = ClimbTurnStatus::Cancelled;
    return scan;
  }
  for (EmScan& piece : pieces) {
    if (piece.knotsFailed > 0 && scan.knotsFailed == 0) scan.firstFailure = piece.firstFailure;
    scan.knotsFailed += piece.knotsFailed;
    scan.points.insert(scan.points.end(), piece.points.begin(), piece.points.end());
  }
  return scan;
}

ClimbTurnReport ComputeClimbTurn(const TableComputation& computation, double gLimit,
                                 const AnalysisControl& control) {
  ClimbTurnReport report;
  report.status = Refusal(computation, gLimit);
  if (report.status != ClimbTurnStatus::Done) return report;
  report.steps = LoadFactorSteps(gLimit);
  const KnotSpeeds knots = MakeKnotSpeeds(computation);
  if (knots.status == KnotSpanStatus::TooWide) {
    report.status = ClimbTurnStatus::SpeedRangeTooWide;
    return report;
  }
  report.firstKnot = knots.firstKnot;
  report.knotCount = knots.Count();
  const int rows = computation.AltitudeCount();
  report.rows.resize(static_cast<size_t>(rows));
  const LevelFlightModel model(*computation.aircraft);
  const auto scanRow = [&](int i, const StopSignal& stop) {
    ClimbTurnRow& row = report.rows[static_cast<size_t>(i)];
    const CellFailure header = computation.altitudeFailures[static_cast<size_t>(i)];
    if (header != CellFailure::None) {
      row.knotsScanned = knots.Count();
      for (long long k = 0; k < knots.Count(); ++k)
        CountFailure(row, header);
      return;
    }
    const RowSetting setting{model, model.PrepareRow(computation.altitudes[static_cast<size_t>(i)]),
                             computation.weight, computation.counts, report.steps};
    row = ScanClimbTurnRow(setting, knots, stop);
  };
  const bool parallel = knots.Count() * rows >= kParallelKnots;
  if (!ForEachRow(rows, parallel, control, scanRow)) {
    report.status = ClimbTurnStatus::Cancelled;
    report.rows.clear();
    return report;
  }
  for (PowerClimb ClimbTurnRow::*power : {&ClimbTurnRow::military, &ClimbTurnRow::afterburner})
    ClimbFromFirstRow(computation.altitudes, power, report.rows);
  report.militaryCeilingRow =
      ServiceCeilingRow(computation.altitudes, report.rows, &ClimbTurnRow::military);
  report.afterburnerCeilingRow =
      ServiceCeilingRow(computation.altitudes, report.rows, &ClimbTurnRow::afterburner);
  return report;
}

}  // namespace tz9
