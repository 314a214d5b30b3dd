// SPDX-License-Identifier: GPL-3.0-or-later

#include "python/module_arguments.h"

#include <pybind11/numpy.h>

#include <cmath>

#include "python/module_aircraft.h"
#include "tables/table_layout.h"
#include "tool/csv_fields.h"

namespace py = pybind11;

namespace tz9 {
namespace {

// The file is loaded already: the parser only needs one in its place.
constexpr const char* kAircraftPlaceholder = "aircraft.dat";

}  // namespace

std::string OptionText(py::handle value) {
  if (py::isinstance<py::str>(value)) return value.cast<std::string>();
  PyObject* object = value.ptr();
  if (PyIndex_Check(object)) {
    const auto index = py::reinterpret_steal<py::object>(PyNumber_Index(object));
    if (!index) throw py::error_already_set();
    return py::str(index).cast<std::string>();
  }
  if (PyFloat_Check(object) || py::hasattr(value, "__float__")) {
    const double number = PyFloat_AsDouble(object);
    if (number == -1.0 && PyErr_Occurred()) throw py::error_already_set();
    return CsvNumber(number);
  }
  throw py::type_error("expected a number or a text, not " +
                       py::str(py::type::of(value).attr("__name__")).cast<std::string>());
}

std::string OptionListText(py::handle values) {
  if (py::isinstance<py::str>(values)) return values.cast<std::string>();
  if (!py::isinstance<py::iterable>(values)) {
    throw py::type_error("expected a sequence of numbers, not " +
                         py::str(py::type::of(values).attr("__name__")).cast<std::string>());
  }
  std::string text;
  bool first = true;
  for (py::handle value : values) {
    if (!first) text += ',';
    text += OptionText(value);
    first = false;
  }
  return text;
}

ToolOptions ReadToolOptions(const std::vector<std::string>& arguments) {
  std::vector<std::string> args{kAircraftPlaceholder};
  args.insert(args.end(), arguments.begin(), arguments.end());
  ParsedArguments parsed = ParseToolArguments(args);
  if (!parsed.error.empty()) throw ArgumentError(parsed.error);
  return std::move(parsed.options);
}

std::optional<std::vector<double>> AxisValuesOf(py::handle values, const char* name) {
  if (values.is_none()) return std::nullopt;
  using Doubles = py::array_t<double, py::array::c_style | py::array::forcecast>;
  const std::string named(name);
  const Doubles array = Doubles::ensure(values);
  if (!array) throw ArgumentError(named + " must be an array of numbers");
  if (array.ndim() != 1) throw ArgumentError(named + " must be a one-dimensional array");
  if (array.size() > kMaxAxisValues) {
    throw ArgumentError(named + " may hold at most " + std::to_string(kMaxAxisValues) + " values");
  }
  std::vector<double> axis(array.data(), array.data() + array.size());
  for (double value : axis) {
    if (!std::isfinite(value)) throw ArgumentError(named + " must hold finite numbers only");
  }
  return axis;
}

}  // namespace tz9
