# SPDX-License-Identifier: GPL-3.0-or-later
"""Refusals: each raises its exception with the message tz9perf-table prints for the same
arguments (without the tool's "tz9perf-table: " before a usage error)."""

import math

import pytest

import tz9perf
from conftest import example, run_tool

FIGHTER = example("generic-fighter.dat")


def fighter():
    return tz9perf.load(FIGHTER)


def written(tmp, name, text):
    (tmp / name).write_bytes(text)
    return str(tmp / name)


def binary_file(tmp):
    return written(tmp, "binary.dat", bytes(range(256)) * 16)


def weightless(tmp):
    """The check aircraft with a zero fuel weight of 0, to be computed at a weight of 0."""
    text = open(example("check-aircraft.dat"), "rb").read()
    return written(tmp, "weightless.dat", text.replace(b"19000, zero fuel weight", b"0, zero fuel weight"))


# (name, the call given a temporary folder, the tool's arguments given it, the exception)
CASES = [
    ("missing file", lambda tmp: tz9perf.load(str(tmp / "missing.dat")), lambda tmp: [tmp / "missing.dat"],
     tz9perf.LoadError),
    ("binary file", lambda tmp: tz9perf.load(binary_file(tmp)), lambda tmp: [binary_file(tmp)],
     tz9perf.LoadError),
    ("step of zero", lambda tmp: fighter().table(speed_range=(150, 0, 250, 30, 660)),
     lambda tmp: [FIGHTER, "--speed", "150,0,250,30,660"], ValueError),
    ("count not a number", lambda tmp: fighter().table(stores=(2, "two", 0, 0, 0, 0)),
     lambda tmp: [FIGHTER, "--stores", "2,two,0,0,0,0"], ValueError),
    ("count NaN", lambda tmp: fighter().loadout(stores=(math.nan, 0, 0, 0, 0, 0)),
     lambda tmp: [FIGHTER, "--stores", "nan,0,0,0,0,0"], ValueError),
    ("weight below the zero fuel weight", lambda tmp: fighter().table(weight=1000),
     lambda tmp: [FIGHTER, "--weight", "1000"], ValueError),
    ("point not a number", lambda tmp: fighter().point("fast", 0),
     lambda tmp: [FIGHTER, "--explain", "fast,0"], ValueError),
    ("negative reserve", lambda tmp: fighter().table().mission(reserve=-1),
     lambda tmp: [FIGHTER, "--mission", "--reserve", "-1"], ValueError),
    ("g limit above 15", lambda tmp: fighter().table().climb(g_limit=15.5),
     lambda tmp: [FIGHTER, "--climb", "--g-limit", "15.5"], ValueError),
    ("em at a weight of 0", lambda tmp: tz9perf.load(weightless(tmp)).table(weight=0).em(0),
     lambda tmp: [weightless(tmp), "--weight", "0", "--em", "0"], ValueError),
]


@pytest.mark.parametrize("name, call, tool_args, exception", CASES, ids=[c[0] for c in CASES])
def test_refusal_has_the_tools_message(name, call, tool_args, exception, tmp_path):
    status, _, err = run_tool(*tool_args(tmp_path))
    assert status in (1, 2)
    message = err.splitlines()[0].removeprefix("tz9perf-table: ")
    with pytest.raises(exception) as raised:
        call(tmp_path)
    assert str(raised.value) == message
    assert isinstance(raised.value, ValueError)
    assert (exception is tz9perf.LoadError) == isinstance(raised.value, tz9perf.LoadError)


# Arguments the tool has no words for, refused before anything is computed.
OWN = [
    ("range and values", dict(speed_range=(150, 50, 250, 30, 660), speeds=[150, 200]), ValueError,
     "give speed_range or speeds, not both"),
    ("two-dimensional values", dict(altitudes=[[0, 1000]]), ValueError,
     "altitudes must be a one-dimensional array"),
    ("infinite value", dict(speeds=[150, math.inf]), ValueError, "speeds must hold finite numbers only"),
    ("not a number or a text", dict(stores=(None, 0, 0, 0, 0, 0)), TypeError,
     "expected a number or a text, not NoneType"),
]


@pytest.mark.parametrize("name, kwargs, exception, message", OWN, ids=[c[0] for c in OWN])
def test_argument_without_a_tool_form_is_refused(name, kwargs, exception, message):
    with pytest.raises(exception, match=f"^{message}$"):
        fighter().table(**kwargs)
