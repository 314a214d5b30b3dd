# SPDX-License-Identifier: GPL-3.0-or-later
"""The module's figures equal tz9perf-table's for the same arguments, bit for bit: the grids
(CSV, and the JSON's uncut numbers), --summary, --mission, --climb, --em and --explain."""

import csv
import io
import json

import numpy as np
import pytest

import tz9perf
from conftest import assert_same_bits, example, field, run_tool, tool_csv

# (name, aircraft file, the tool's options, the same as table() arguments)
TABLES = [
    ("start-up table, two tanks", "generic-fighter.dat",
     ["--stores", "2,0,0,0,1,2"], dict(stores=(2, 0, 0, 0, 1, 2))),
    ("both ranges, a weight, numbers as texts", "generic-fighter.dat",
     ["--speed", "100,25,400,50,1200", "--altitude", "0,2500,20000,7500,65000",
      "--weight", "30000.5", "--stores", "0,2,4,0,1,0"],
     dict(speed_range=(100, 25, 400, 50, 1200), altitude_range=("0", 2500, 20000, 7500, 65000.0),
          weight="30000.5", stores=[0, 2, 4, 0, 1, 0])),
    ("fractional speed steps, cells beyond the atmosphere", "check-aircraft.dat",
     ["--speed", "150.5,0.7,160,2.5,170", "--altitude", "0,50000,100000,100000,400000",
      "--weight", "20000"],
     dict(speed_range=(150.5, 0.7, 160, 2.5, 170), altitude_range=(0, 50000, 100000, 100000, 400000),
          weight=20000)),
    ("a speed of zero, altitudes below sea level", "check-aircraft.dat",
     ["--speed", "0,50,100,100,300", "--altitude", "-20000,10000,0,10000,40000", "--weight", "20000"],
     dict(speed_range=(0, 50, 100, 100, 300), altitude_range=(-20000, 10000, 0, 10000, 40000),
          weight=20000)),
    ("one axis, the other the window's; 20,350 cells, computed on two threads",
     "generic-fighter.dat", ["--speed", "150,1,1000,1,1999"], dict(speed_range=(150, 1, 1000, 1, 1999))),
]
IDS = [case[0] for case in TABLES]

# The regime and the supersonic flag by the colour of a steady cell.
COLOURS = {"white": (1, False), "green": (1, True), "yellow": (2, False), "red": (2, True)}


def module_table(file, kwargs):
    return tz9perf.load(example(file)).table(**kwargs)


def grid(table, lines, key):
    """The CSV's cells (column by column, each top down) as an array shaped like the table's."""
    values = np.array([key(line) for line in lines])
    return values.reshape(len(table.speeds), len(table.altitudes)).T


@pytest.mark.parametrize("name, file, options, kwargs", TABLES, ids=IDS)
def test_grids_equal_the_tools(name, file, options, kwargs):
    table = module_table(file, kwargs)
    lines = tool_csv(example(file), *options, "--format", "csv")
    assert table.fuel_flow.shape == (len(table.altitudes), len(table.speeds))
    assert len(lines) == table.fuel_flow.size
    assert_same_bits(table.speeds, [field(line["speed_kt"]) for line in lines[::len(table.altitudes)]])
    assert_same_bits(table.altitudes, [field(line["altitude_ft"]) for line in lines[:len(table.altitudes)]])
    assert_same_bits(table.fuel_flow, grid(table, lines, lambda line: field(line["fuel_flow"])))
    steady = grid(table, lines, lambda line: line["fuel_flow"] != "------")
    regime = grid(table, lines, lambda line: COLOURS[line["fuel_flow_color"]][0])
    supersonic = grid(table, lines, lambda line: COLOURS[line["fuel_flow_color"]][1])
    assert np.array_equal(table.regime, np.where(steady, regime, 0))
    assert np.array_equal(table.supersonic, steady & supersonic)

    status, out, err = run_tool(example(file), *options, "--format", "json")
    assert status == 0, err
    cells = json.loads(out)["cells"]
    # The JSON's cells carry the CSV's fields, and its regime, flag and cause agree with the table.
    assert [[str(cell[f]) for f in lines[0]] for cell in cells] == [list(line.values()) for line in lines]
    regimes = {"military": 1, "afterburner": 2}
    assert np.array_equal(table.regime, grid(table, cells, lambda cell: regimes.get(cell["regime"], 0)))
    assert np.array_equal(table.supersonic, grid(table, cells, lambda cell: cell["supersonic"] is True))
    assert all((cell["regime"] is None) == (cell["failure"] is not None) for cell in cells)
    for key, array in (("lbs_per_nm", table.lb_per_nm), ("tas_kt", table.tas), ("mach", table.mach)):
        assert_same_bits(array, grid(table, cells, lambda cell: np.nan if cell[key] is None else cell[key]))


def test_given_values_are_used_as_they_are():
    speed, altitude = 612.3456789012345, 12345.678  # 16 digits: a 15-digit header would differ
    fighter = tz9perf.load(example("generic-fighter.dat"))
    table = fighter.table(speeds=[speed], altitudes=[altitude])
    point = fighter.point(speed, altitude)
    assert (table.speeds[0], table.altitudes[0]) == (speed, altitude)
    for name, key in (("tas", "tas_kt"), ("mach", "mach"), ("lb_per_nm", "lbs_per_nm")):
        assert_same_bits(getattr(table, name)[0, 0], point[key])


def tool_columns(*args):
    """The tool's CSV analysis as {column: array}, by its header even without a line under it."""
    status, out, err = run_tool(*args)
    assert status == 0, err
    header, *lines = csv.reader(io.StringIO(out))
    return {name: np.array([field(line[i]) for line in lines], dtype=np.float64)
            for i, name in enumerate(header)}


# (name, table of TABLES, the tool's options, the method, its arguments)
ANALYSES = [(f"summary, {t[0]}", i, ["--summary"], "summary", {}) for i, t in enumerate(TABLES)] + [
    ("mission, defaults", 0, ["--mission"], "mission", {}),
    ("mission, reserve, cruise and bingo", 0,
     ["--mission", "--reserve", "1500", "--cruise-cas", "350", "--bingo-distance", "150"], "mission",
     dict(reserve=1500, cruise_cas=350.0, bingo_distance="150")),
    ("climb, two tanks", 0, ["--climb"], "climb", {}),
    ("climb, rows beyond the atmosphere, g 1.5", 2, ["--climb", "--g-limit", "1.5"], "climb",
     dict(g_limit=1.5)),
    ("em at 20000 ft", 0, ["--em", "20000"], "em", dict(altitude=20000)),
    ("em at a fractional altitude, g as a text", 3, ["--em", "12345.678", "--g-limit", "3.255"], "em",
     dict(altitude=12345.678, g_limit="3.255")),
    ("em beyond the atmosphere: no knot", 2, ["--em", "300000"], "em", dict(altitude=300000)),
]


@pytest.mark.parametrize("name, table, options, method, kwargs", ANALYSES, ids=[c[0] for c in ANALYSES])
def test_analyses_equal_the_tools(name, table, options, method, kwargs):
    _, file, table_options, table_kwargs = TABLES[table]
    columns = getattr(module_table(file, table_kwargs), method)(**kwargs)
    expected = tool_columns(example(file), *table_options, *options)
    assert list(columns) == list(expected)
    for column, values in expected.items():
        assert_same_bits(columns[column], values)


POINTS = [
    ("afterburner", "check-aircraft.dat", "650,0", ["--weight", "20000"], dict(weight=20000)),
    ("no steady flight", "generic-fighter.dat", "150,40000", ["--stores", "2,0,0,0,1,2"],
     dict(stores=(2, 0, 0, 0, 1, 2))),
    ("beyond the atmosphere", "check-aircraft.dat", "300,300000", [], {}),
]


@pytest.mark.parametrize("name, file, point, options, kwargs", POINTS, ids=[p[0] for p in POINTS])
def test_point_equals_explain(name, file, point, options, kwargs):
    cas, altitude = point.split(",")
    details = tz9perf.load(example(file)).point(float(cas), int(altitude), **kwargs)
    status, out, err = run_tool(example(file), "--explain", point, *options)
    assert status == 0, err
    lines = dict(line.split(": ", 1) for line in out.splitlines())
    assert list(details) == list(lines)
    for key, text in lines.items():
        value = details[key]
        if key in ("regime", "reason"):
            assert value == text, key
        elif key == "supersonic":
            assert value is (text == "yes"), key
        else:
            assert type(value) is float, key
            assert_same_bits(value, float(text))
