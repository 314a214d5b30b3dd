// SPDX-License-Identifier: GPL-3.0-or-later
// The Python module tz9perf: load an aircraft file, then ask it for its loadout, one point
// (--explain) or a table as numpy arrays, whose summary, mission fuel, climb and turn follow. Every
// figure is the core's, and every refusal is worded as tz9perf-table words it. The full
// documentation is the stub, tz9perf.pyi.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "common/number_text.h"
#include "common/version.h"
#include "python/module_aircraft.h"
#include "python/module_arguments.h"
#include "python/module_table.h"
#include "tool/explain_output.h"

namespace py = pybind11;

namespace tz9 {
namespace {

// Texts from the core are bytes: an aircraft name in Latin-1 is replaced, not refused.
py::str TextOf(const std::string& text) {
  auto decoded =
      py::reinterpret_steal<py::str>(PyUnicode_DecodeUTF8(text.data(), text.size(), "replace"));
  if (!decoded) throw py::error_already_set();
  return decoded;
}

// A figure of the window's fields as a number; NaN where the field shows none ("overflow").
double FieldNumber(const std::string& text) {
  return IsNumericText(text) ? ParseLeadingNumber(text) : std::numeric_limits<double>::quiet_NaN();
}

// The path as the system names it: str, bytes or os.PathLike.
std::string PathOf(const py::object& path) {
  return py::module_::import("os").attr("fsencode")(path).cast<std::string>();
}

std::vector<std::string> StoresArguments(const py::object& stores) {
  return {"--stores", OptionListText(stores)};
}

void AddWeight(const py::object& weight, std::vector<std::string>& arguments) {
  if (weight.is_none()) return;
  arguments.insert(arguments.end(), {"--weight", OptionText(weight)});
}

py::dict LoadoutDict(const ModuleAircraft& aircraft, const py::object& stores) {
  const ToolOptions options = ReadToolOptions(StoresArguments(stores));
  const LoadoutTexts loadout = aircraft.Loadout(options.storeCounts);
  py::dict figures;
  figures["stores_weight"] = FieldNumber(loadout.ExtraWeight);
  figures["external_fuel"] = FieldNumber(loadout.ExtFuel);
  figures["fuel_on_board"] = FieldNumber(loadout.TotalFuel);
  figures["actual_weight"] = FieldNumber(loadout.ActualWeight);
  figures["computing_weight"] = FieldNumber(loadout.CompWeight);
  return figures;
}

// An --explain line's value as Python holds it.
struct LineObject {
  py::object operator()(std::monostate) const { return py::none(); }
  py::object operator()(double value) const { return py::float_(value); }
  py::object operator()(bool value) const { return py::bool_(value); }
  py::object operator()(const std::string& words) const { return TextOf(words); }
};

py::dict PointDict(const ModuleAircraft& aircraft, const py::object& cas,
                   const py::object& altitude, const py::object& weight, const py::object& stores) {
  std::vector<std::string> arguments = StoresArguments(stores);
  arguments.insert(arguments.end(), {"--explain", OptionText(cas) + "," + OptionText(altitude)});
  AddWeight(weight, arguments);
  const CellDetails details = aircraft.Explain(ReadToolOptions(arguments));
  py::dict lines;
  for (const ExplainLine& line : ExplanationLines(details)) {
    if (line.Reached())
      lines[py::str(std::string(line.name))] = std::visit(LineObject{}, line.value);
  }
  return lines;
}

// One axis by a range or by its values, not both.
void AddAxis(const char* option, const py::object& range, const py::object& values,
             const char* rangeName, const char* valuesName, std::vector<std::string>& arguments) {
  if (range.is_none()) return;
  if (!values.is_none()) {
    throw ArgumentError(std::string("give ") + rangeName + " or " + valuesName + ", not both");
  }
  arguments.insert(arguments.end(), {option, OptionListText(range)});
}

std::unique_ptr<ModuleTable> TableOf(const ModuleAircraft& aircraft, const py::object& speedRange,
                                     const py::object& speeds, const py::object& altitudeRange,
                                     const py::object& altitudes, const py::object& weight,
                                     const py::object& stores) {
  std::vector<std::string> arguments = StoresArguments(stores);
  AddWeight(weight, arguments);
  AddAxis("--speed", speedRange, speeds, "speed_range", "speeds", arguments);
  AddAxis("--altitude", altitudeRange, altitudes, "altitude_range", "altitudes", arguments);
  const ToolOptions options = ReadToolOptions(arguments);
  const GivenAxes given{AxisValuesOf(speeds, "speeds"), AxisValuesOf(altitudes, "altitudes")};
  return std::make_unique<ModuleTable>(
      aircraft.StartTable(options, TableHeadersFor(options, given)));
}

py::dict MissionDict(const ModuleTable& table, const py::object& reserve,
                     const py::object& cruiseCas, const py::object& bingoDistance) {
  std::vector<std::string> arguments{"--mission", "--reserve", OptionText(reserve)};
  if (!cruiseCas.is_none())
    arguments.insert(arguments.end(), {"--cruise-cas", OptionText(cruiseCas)});
  if (!bingoDistance.is_none()) {
    arguments.insert(arguments.end(), {"--bingo-distance", OptionText(bingoDistance)});
  }
  return table.Mission(ReadToolOptions(arguments));
}

// The g limit as --g-limit, refused in the tool's words.
std::vector<std::string> GLimitArguments(const char* analysis, const py::object& gLimit) {
  return {analysis, "--g-limit", OptionText(gLimit)};
}

py::dict ClimbDict(const ModuleTable& table, const py::object& gLimit) {
  return table.Climb(ReadToolOptions(GLimitArguments("--climb", gLimit)));
}

py::dict EmDict(const ModuleTable& table, const py::object& altitude, const py::object& gLimit) {
  std::vector<std::string> arguments = GLimitArguments("--em", gLimit);
  arguments.insert(arguments.begin() + 1, OptionText(altitude));
  return table.Em(ReadToolOptions(arguments));
}

void SetError(PyObject* type, const char* message) {
  const py::str text = TextOf(message);
  PyErr_SetObject(type, text.ptr());
}

}  // namespace
}  // namespace tz9

PYBIND11_MODULE(tz9perf, m) {
  using namespace tz9;
  using namespace pybind11::literals;
  m.doc() = "Level-flight performance tables of flight simulator aircraft, as numpy arrays.";
  m.attr("__version__") = std::string(kVersion);

  // Holds the type for the life of the interpreter.
  static PyObject* const loadErrorType =
      py::exception<LoadError>(m, "LoadError", PyExc_ValueError).release().ptr();
  py::register_exception_translator([](std::exception_ptr thrown) {
    try {
      if (thrown) std::rethrow_exception(thrown);
    } catch (const LoadError& error) {
      SetError(loadErrorType, error.what());
    } catch (const ArgumentError& error) {
      SetError(PyExc_ValueError, error.what());
    }
  });
  const py::tuple noStores = py::make_tuple(0, 0, 0, 0, 0, 0);

  // Both types first, so that each signature names the other by its Python name.
  py::class_<ModuleAircraft, std::shared_ptr<ModuleAircraft>> aircraft(m, "Aircraft",
                                                                       "An aircraft file, loaded.");
  py::class_<ModuleTable> table(m, "Table", "A computed table: arrays shaped (altitudes, speeds).");

  aircraft.def_property_readonly("name", [](const ModuleAircraft& a) { return TextOf(a.Name()); })
      .def_property_readonly("file_name",
                             [](const ModuleAircraft& a) { return TextOf(a.FileName()); })
      .def_property_readonly(
          "zero_fuel_weight",
          [](const ModuleAircraft& a) { return FieldNumber(a.ZeroFuelWeightText()); })
      .def_property_readonly(
          "internal_fuel",
          [](const ModuleAircraft& a) { return FieldNumber(a.MaxInternalFuelText()); })
      .def("loadout", &LoadoutDict, "The loadout's weight and fuel figures, lb.",
           "stores"_a = noStores)
      .def("point", &PointDict, "Every quantity of one cell, as --explain prints them.", "cas"_a,
           "altitude"_a, py::kw_only(), "weight"_a = py::none(), "stores"_a = noStores)
      .def("table", &TableOf, "The table over two axes, as numpy arrays.", py::kw_only(),
           "speed_range"_a = py::none(), "speeds"_a = py::none(), "altitude_range"_a = py::none(),
           "altitudes"_a = py::none(), "weight"_a = py::none(), "stores"_a = noStores)
      .def("__repr__", [](const ModuleAircraft& a) {
        return "<tz9perf.Aircraft " + py::repr(TextOf(a.Name())).cast<std::string>() + " from " +
               py::repr(TextOf(a.FileName())).cast<std::string>() + ">";
      });

  table.def_readonly("fuel_flow", &ModuleTable::fuelFlow)
      .def_readonly("lb_per_nm", &ModuleTable::lbPerNm)
      .def_readonly("tas", &ModuleTable::tas)
      .def_readonly("mach", &ModuleTable::mach)
      .def_readonly("regime", &ModuleTable::regime)
      .def_readonly("supersonic", &ModuleTable::supersonic)
      .def_readonly("speeds", &ModuleTable::speeds)
      .def_readonly("altitudes", &ModuleTable::altitudes)
      .def("summary", &ModuleTable::Summary, "Each altitude's best speeds and speed bands.")
      .def("mission", &MissionDict, "Each altitude's range, endurance, cruise and bingo fuel.",
           "reserve"_a = 0, "cruise_cas"_a = py::none(), "bingo_distance"_a = py::none())
      .def("climb", &ClimbDict, "Each altitude's best climb, time and fuel to climb and turns.",
           "g_limit"_a = 9)
      .def("em", &EmDict, "One altitude's climb rates, load factors and turn rates per knot.",
           "altitude"_a, "g_limit"_a = 9)
      .def("__repr__", &ModuleTable::Describe);

  m.def(
      "load", [](const py::object& path) { return std::make_shared<ModuleAircraft>(PathOf(path)); },
      "Loads an aircraft file (.dat).", "path"_a);
}
