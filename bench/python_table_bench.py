#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A 1,000 x 1,000 table from Python against the core sweep of the same table.

    PYTHONPATH=build-bench python3 bench/python_table_bench.py [--core-bench build-bench/bench/tz9core_bench]

The table is BM_CoreSweep/1000's: the generic fighter with 2 AA, ECM and 2 tanks at its proposed
weight, speeds 150..1149 kt by 1, altitudes 0..49950 ft by 50. Prints the median time of
Aircraft.table() and, given the core benchmark, the core sweep's median and the ratio; then the
peak memory one table() call adds to a fresh process, against the bytes of its arrays.
"""

import argparse
import json
import os
import statistics
import subprocess
import sys
import time

import tz9perf

EXAMPLES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples")
TABLE = dict(speed_range=(150, 1, 650, 1, 1149), altitude_range=(0, 50, 25000, 50, 49950),
             stores=(2, 0, 0, 0, 1, 2))
ARRAYS = ("fuel_flow", "lb_per_nm", "tas", "mach", "regime", "supersonic", "speeds", "altitudes")


def status_kb(name):
    with open("/proc/self/status") as status:
        for line in status:
            if line.startswith(name + ":"):
                return int(line.split()[1])
    raise KeyError(name)


def peak_memory():
    """In this (fresh) process: the peak resident memory one table() adds, and its arrays' bytes."""
    aircraft = tz9perf.load(os.path.join(EXAMPLES, "generic-fighter.dat"))
    aircraft.table(stores=TABLE["stores"])  # the module's first use, outside the measure
    with open("/proc/self/clear_refs", "w") as clear:
        clear.write("5")  # the peak starts again from here
    before = status_kb("VmRSS")
    table = aircraft.table(**TABLE)
    added = (status_kb("VmHWM") - before) * 1024
    arrays = sum(getattr(table, name).nbytes for name in ARRAYS)
    print(json.dumps({"peak_added_bytes": added, "array_bytes": arrays}))


def core_sweep_ms(core_bench, repetitions):
    done = subprocess.run([core_bench, "--benchmark_filter=BM_CoreSweep/1000",
                           f"--benchmark_repetitions={repetitions}", "--benchmark_format=json"],
                          capture_output=True, text=True, check=True)
    runs = [b for b in json.loads(done.stdout)["benchmarks"] if b.get("run_type") == "iteration"]
    return statistics.median(b["real_time"] for b in runs)  # ms, as the benchmark reports it


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--core-bench", help="tz9core_bench, for the core sweep's time")
    parser.add_argument("--repetitions", type=int, default=9)
    parser.add_argument("--peak-memory", action="store_true", help=argparse.SUPPRESS)
    args = parser.parse_args()
    if args.peak_memory:
        peak_memory()
        return

    aircraft = tz9perf.load(os.path.join(EXAMPLES, "generic-fighter.dat"))
    times = []
    for _ in range(args.repetitions):
        start = time.perf_counter()
        table = aircraft.table(**TABLE)
        times.append((time.perf_counter() - start) * 1000)
        del table
    python_ms = statistics.median(times)
    print(f"Python table(), 1,000 x 1,000 cells: {python_ms:.1f} ms (median of {args.repetitions})")
    if args.core_bench:
        core_ms = core_sweep_ms(args.core_bench, args.repetitions)
        print(f"Core sweep (BM_CoreSweep/1000):       {core_ms:.1f} ms; "
              f"Python / core = {python_ms / core_ms:.2f}")

    done = subprocess.run([sys.executable, __file__, "--peak-memory"], capture_output=True,
                          text=True, check=True)
    memory = json.loads(done.stdout)
    added, arrays = memory["peak_added_bytes"], memory["array_bytes"]
    print(f"Peak memory added by table(): {added / 1e6:.1f} MB; its arrays {arrays / 1e6:.1f} MB "
          f"({added / arrays:.2f} x)")


if __name__ == "__main__":
    main()
