# SPDX-License-Identifier: GPL-3.0-or-later
"""What the Python tests share: the tool, the example aircraft, and exact comparison."""

import csv
import io
import math
import os
import subprocess

import numpy as np

import tz9perf

# The tool built beside the module, unless named.
TOOL = os.environ.get("TZ9PERF_TABLE", os.path.join(os.path.dirname(tz9perf.__file__), "tz9perf-table"))
EXAMPLES = os.path.abspath(os.environ.get("TZ9_EXAMPLES_DIR",
                                          os.path.join(os.path.dirname(__file__), "..", "..", "examples")))


def example(name):
    return os.path.join(EXAMPLES, name)


def run_tool(*args):
    """tz9perf-table's (exit status, standard output, standard error)."""
    # The tool carries its own sanitizer runtime, if any: it is not given the interpreter's.
    environment = {k: v for k, v in os.environ.items() if k != "LD_PRELOAD"}
    done = subprocess.run([TOOL, *map(str, args)], capture_output=True, text=True, check=False,
                          env=environment)
    return done.returncode, done.stdout, done.stderr


def tool_csv(*args):
    """The tool's CSV output as a list of dicts; fails the test when the tool refuses."""
    status, out, err = run_tool(*args)
    assert status == 0, err
    return list(csv.DictReader(io.StringIO(out)))


def field(text):
    """A CSV field as the number it shows; NaN for an empty field or "------"."""
    return math.nan if text in ("", "------") else float(text)


def assert_same_bits(actual, expected):
    """Equal as IEEE doubles, bit for bit, NaN where NaN (0 and -0 differ)."""
    actual = np.asarray(actual, dtype=np.float64)
    expected = np.asarray(expected, dtype=np.float64)
    assert actual.shape == expected.shape
    nan = np.isnan(expected)
    assert np.array_equal(np.isnan(actual), nan), "NaN in other places"
    differ = actual.view(np.int64)[~nan] != expected.view(np.int64)[~nan]
    assert not differ.any(), f"{differ.sum()} values differ, first {actual[~nan][differ][:3]} " \
                             f"for {expected[~nan][differ][:3]}"
