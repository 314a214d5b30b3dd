// SPDX-License-Identifier: GPL-3.0-or-later

#include "tool/climb_output.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "tables/csv_export.h"
#include "tool/csv_fields.h"

namespace tz9 {
namespace {

template <typename Answer>
std::optional<double> Member(const std::optional<Answer>& answer, double Answer::*member) {
  if (!answer) return std::nullopt;
  return (*answer).*member;
}

}  // namespace

std::array<std::optional<double>, 13> ClimbRowFigures(const ClimbTurnRow& row) {
  const PowerClimb& mil = row.military;
  const PowerClimb& ab = row.afterburner;
  return {
      Member(mil.best, &BestClimb::casKnots),
      Member(mil.best, &BestClimb::rateFpm),
      Member(ab.best, &BestClimb::casKnots),
      Member(ab.best, &BestClimb::rateFpm),
      mil.timeMin,
      mil.fuelLb,
      ab.timeMin,
      ab.fuelLb,
      Member(row.bestSustainedTurn, &TurnAt::casKnots),
      Member(row.bestSustainedTurn, &TurnAt::loadFactor),
      Member(row.bestSustainedTurn, &TurnAt::rateDegS),
      Member(row.corner, &TurnAt::casKnots),
      Member(row.corner, &TurnAt::rateDegS),
  };
}

std::array<std::optional<double>, 12> EmKnotFigures(const EmPoint& p) {
  return {
      p.casKnots,
      p.tasKnots,
      p.mach,
      p.military.climbFpm,
      p.afterburner.climbFpm,
      p.military.sustainedG,
      p.afterburner.sustainedG,
      p.instantG,
      p.military.sustainedTurnDegS,
      p.afterburner.sustainedTurnDegS,
      p.instantTurnDegS,
      p.instantRadiusFt,
  };
}

void PrintClimbCsv(const TableComputation& computation, const ClimbTurnReport& report,
                   std::ostream& out) {
  out << kClimbCsvHeader << '\n';
  for (size_t i = 0; i < report.rows.size(); ++i) {
    CsvField(AltitudeField(computation.altitudeHeaders[i]), out);
    for (const std::optional<double>& field : ClimbRowFigures(report.rows[i]))
      out << ',' << CsvNumber(field);
    out << '\n';
  }
}

void PrintEmCsv(const EmScan& scan, std::ostream& out) {
  out << kEmCsvHeader << '\n';
  for (const EmPoint& point : scan.points) {
    const char* separator = "";
    for (const std::optional<double>& field : EmKnotFigures(point)) {
      out << separator << CsvNumber(field);
      separator = ",";
    }
    out << '\n';
  }
}

nlohmann::ordered_json ClimbJson(const TableComputation& computation,
                                 const ClimbTurnReport& report) {
  return AltitudeRowsJson(kClimbCsvHeader, computation.altitudeHeaders, report.rows,
                          ClimbRowFigures);
}

nlohmann::ordered_json EmJson(const EmScan& scan) {
  const std::vector<std::string> names = CsvHeaderNames(kEmCsvHeader);
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  for (const EmPoint& point : scan.points) {
    const auto figures = EmKnotFigures(point);
    nlohmann::ordered_json row;
    for (size_t f = 0; f < figures.size(); ++f)
      row[names[f]] = figures[f] ? nlohmann::ordered_json(*figures[f]) : nullptr;
    rows.push_back(row);
  }
  return rows;
}

}  // namespace tz9
