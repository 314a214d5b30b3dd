// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/table_tool.h"

#include <memory>
#include <optional>
#include <string>

#include "common/atomic_file.h"
#include "loadout/loadout.h"
#include "performance/sweep.h"
#include "tables/csv_export.h"
#include "tables/table_layout.h"
#include "tool/baseline_table.h"
#include "tool/climb_output.h"
#include "tool/compare_output.h"
#include "tool/explain_output.h"
#include "tool/grid_output.h"
#include "tool/json_output.h"
#include "tool/mission_output.h"
#include "tool/summary_output.h"
#include "tool/tool_aircraft.h"
#include "tool/tool_messages.h"

namespace tz9 {

RangeTexts ToolRangeTexts(const ToolOptions& options) {
  RangeTexts ranges = DefaultRangeTexts();
  if (const auto& s = options.speedRange) {
    ranges.speedMin = (*s)[0];
    ranges.speedStep1 = (*s)[1];
    ranges.speedStep = (*s)[2];
    ranges.speedStep2 = (*s)[3];
    ranges.speedMax = (*s)[4];
  }
  if (const auto& a = options.altitudeRange) {
    ranges.altitudeMin = (*a)[0];
    ranges.altitudeStep1 = (*a)[1];
    ranges.altitudeStep = (*a)[2];
    ranges.altitudeStep2 = (*a)[3];
    ranges.altitudeMax = (*a)[4];
  }
  return ranges;
}

LayoutOutcome LayOutToolTable(const ToolOptions& options, ResultGrid& msfg1, ResultGrid& msfg2) {
  ApplyStartupLayout(msfg1, msfg2);
  if (!options.speedRange && !options.altitudeRange) return {true, std::nullopt};
  return CreateTableLayout(ToolRangeTexts(options), msfg1, msfg2);
}

namespace {

// The analyses the options ask for instead of the grids, or beside them in JSON.
struct Analyses {
  std::optional<TableSummary> summary;
  std::optional<MissionReport> mission;
  std::optional<ClimbTurnReport> climb;
  std::optional<EmScan> em;
  ComparisonOutput comparison;
  MissionInputs missionInputs;
};

void PrintResult(const ToolOptions& options, const CapturedDisplay& display,
                 std::string_view weight, const TableComputation& computation,
                 const Analyses& analyses, const ResultGrid& msfg1, const ResultGrid& msfg2,
                 bool ansiColours, std::ostream& out) {
  // An analysis is CSV instead of the grids, or a member of the JSON beside them.
  if (analyses.mission && options.format != OutputFormat::Json) {
    PrintMissionCsv(computation, *analyses.mission, out);
    return;
  }
  if (analyses.summary && options.format != OutputFormat::Json) {
    PrintSummaryCsv(computation, *analyses.summary, out);
    return;
  }
  if (analyses.climb && options.format != OutputFormat::Json) {
    PrintClimbCsv(computation, *analyses.climb, out);
    return;
  }
  if (analyses.em && options.format != OutputFormat::Json) {
    PrintEmCsv(*analyses.em, out);
    return;
  }
  if ((options.compare || options.compareCells) && options.format != OutputFormat::Json) {
    PrintComparisonCsv(computation, analyses.comparison, out);
    return;
  }
  switch (options.format) {
    case OutputFormat::Csv:
      WriteCsvLines(msfg1, msfg2, out);
      return;
    case OutputFormat::Json: {
      const ComputedTable table{options.aircraftPath,
                                display.aircraftName,
                                display.maxInternalFuel,
                                computation,
                                msfg1,
                                msfg2};
      JsonSections extraSections;
      if (analyses.summary) {
        extraSections.emplace_back("summary", SummaryJson(computation, *analyses.summary));
      }
      if (analyses.mission) {
        extraSections.emplace_back("mission", MissionJson(computation, *analyses.mission));
      }
      if (analyses.climb)
        extraSections.emplace_back("climb", ClimbJson(computation, *analyses.climb));
      if (analyses.em) extraSections.emplace_back("em", EmJson(*analyses.em));
      JsonStreamedSections streamedSections;
      AddComparisonJson(computation, analyses.comparison, extraSections, streamedSections);
      WriteResultJson(table, extraSections, out, streamedSections);
      return;
    }
    case OutputFormat::Grid:
      break;
  }
  out << display.aircraftName << ", computing weight " << weight << " lb\n\n";
  PrintGrid(msfg1, "Fuel Flow", ansiColours, out);
  out << '\n';
  PrintGrid(msfg2, SecondGridCaption(options.mode), ansiColours, out);
}

// Made before anything is written, so that a refusal leaves no output; false (with the reason
// on err) when the analysis cannot be made.
bool MakeAnalyses(const ToolOptions& options, const TableComputation& computation,
                  Analyses& analyses, std::ostream& err) {
  if (options.summary) {
    analyses.summary = SummarizeTable(computation);
    if (analyses.summary->status != SummaryStatus::Done) {
      err << ToolSummaryRefusalText(analyses.summary->status) << '\n';
      return false;
    }
  }
  if (options.mission) {
    analyses.missionInputs = {options.reserveLb.value_or(0), options.cruiseCasKnots,
                              options.bingoDistanceNm};
    analyses.mission = ComputeMission(computation, analyses.missionInputs);
    if (analyses.mission->status != MissionStatus::Done) {
      err << ToolMissionRefusalText(analyses.mission->status) << '\n';
      return false;
    }
  }
  const double gLimit = options.gLimit.value_or(kDefaultGLimit);
  if (options.climb) {
    analyses.climb = ComputeClimbTurn(computation, gLimit);
    if (analyses.climb->status != ClimbTurnStatus::Done) {
      err << ToolClimbTurnRefusalText(analyses.climb->status) << '\n';
      return false;
    }
  }
  if (options.emAltitudeFt) {
    analyses.em = ScanEm(computation, *options.emAltitudeFt, gLimit);
    if (analyses.em->status != ClimbTurnStatus::Done) {
      err << ToolClimbTurnRefusalText(analyses.em->status) << '\n';
      return false;
    }
  }
  return true;
}

}  // namespace

int RunTableTool(const ToolOptions& options, bool ansiColours, std::ostream& out,
                 std::ostream& err) {
  const auto aircraft = std::make_unique<AircraftRecord>();
  CapturedDisplay display;
  const LoadOutcome load = LoadToolAircraft(options.aircraftPath, *aircraft, display);
  if (!load.completed) {
    err << ToolLoadFailureText(options.aircraftPath, load) << '\n';
    return kExitRefused;
  }
  const StoreCountTexts counts = ViewsOf(options.storeCounts);
  const LoadoutTexts loadout =
      ComputeLoadout(counts, display.zeroFuelWeight, display.maxInternalFuel);
  const std::string weight = options.weightLb.value_or(loadout.CompWeight);
  if (weight == kOverflowText) {
    // Only the proposed weight can be this word: a given one passed the numeric test.
    err << ToolLoadoutOverflowText(FindLoadoutOverflow(loadout)) << '\n';
    return kExitRefused;
  }
  const SweepInputs inputs{display.zeroFuelWeight, weight, counts, options.mode};
  if (const auto& point = options.explainPoint) {
    const ExplainedPoint explained = ExplainPoint(*aircraft, inputs, (*point)[0], (*point)[1]);
    if (explained.refusal != SweepRefusal::None) {
      err << ToolSweepRefusalText(explained.refusal) << '\n';
      return kExitRefused;
    }
    PrintExplanation(explained.details, out);
    return kExitDone;
  }

  ResultGrid msfg1;
  ResultGrid msfg2;
  const LayoutOutcome layout = LayOutToolTable(options, msfg1, msfg2);
  if (!layout.applied) {
    err << ToolLayoutRefusalText(*layout.refusal) << '\n';
    return kExitRefused;
  }
  const SweepOutcome sweep = ComputeTable(*aircraft, inputs, msfg1, msfg2);
  if (!sweep.Started()) {
    err << ToolSweepRefusalText(sweep.refusal) << '\n';
    return kExitRefused;
  }
  Analyses analyses;
  if (!MakeAnalyses(options, *sweep.computation, analyses, err)) return kExitRefused;
  if (options.compare || options.compareCells) {
    const auto baseline = ComputeBaseline(
        options, {*aircraft, display.zeroFuelWeight, display.maxInternalFuel, msfg1, msfg2}, err);
    if (!baseline) return kExitRefused;
    if (!MakeComparison(options, *sweep.computation, *baseline, analyses.comparison, err)) {
      return kExitRefused;
    }
  }
  const auto print = [&](std::ostream& to, bool paint) {
    PrintResult(options, display, weight, *sweep.computation, analyses, msfg1, msfg2, paint, to);
  };
  if (options.outputPath) {
    const FileWriteOutcome written =
        WriteFileWhole(*options.outputPath, [&](std::ostream& file) { print(file, false); });
    if (!written.written) {
      err << written.error << '\n';
      return kExitRefused;
    }
  } else {
    print(out, ansiColours);
  }
  if (sweep.totals.cellsFailed > 0) err << sweep.totals.Summary() << '\n';
  if (analyses.mission) {
    for (const std::string& line :
         ToolMissionFindingTexts(*analyses.mission, analyses.missionInputs))
      err << line << '\n';
  }
  return kExitDone;
}

}  // namespace tz9
