# SPDX-License-Identifier: GPL-3.0-or-later
"""examples/specific_range.py runs without a display and writes its PNG."""

import os
import subprocess
import sys

import tz9perf
from conftest import EXAMPLES


def test_specific_range_example_writes_a_png(tmp_path):
    output = tmp_path / "specific_range.png"
    environment = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    environment["PYTHONPATH"] = os.path.dirname(os.path.abspath(tz9perf.__file__))  # this build's
    done = subprocess.run([sys.executable, os.path.join(EXAMPLES, "specific_range.py"), str(output)],
                          cwd=tmp_path, env=environment, capture_output=True, text=True, check=False)
    assert done.returncode == 0, done.stderr
    assert output.read_bytes()[:8] == b"\x89PNG\r\n\x1a\n"
    assert output.stat().st_size > 20000  # curves and a legend, not an empty frame
