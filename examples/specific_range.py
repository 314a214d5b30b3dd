#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Specific range of the generic fighter against CAS, clean and with two tanks, at three
altitudes: one PNG drawn with matplotlib from tables of the tz9perf module.

    PYTHONPATH=build-release python3 examples/specific_range.py [OUTPUT.png] [--aircraft FILE]

Specific range is the distance flown per pound of fuel: 1 / (lb per NM). Where level flight
cannot be held the table has NaN, and the curve simply stops.
"""

import argparse
import os

import matplotlib

matplotlib.use("Agg")  # a file, no window: runs without a display
import matplotlib.pyplot as plt  # noqa: E402

import tz9perf  # noqa: E402

LOADOUTS = {"clean": (0, 0, 0, 0, 0, 0), "2 AIM120, ECM, 2 tanks": (2, 0, 0, 0, 1, 2)}
ALTITUDES_FT = [10000, 25000, 40000]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("output", nargs="?", default="specific_range.png")
    parser.add_argument("--aircraft", default=os.path.join(here, "generic-fighter.dat"))
    args = parser.parse_args()

    aircraft = tz9perf.load(args.aircraft)
    figure, axes = plt.subplots(figsize=(9, 5.5))
    for (name, stores), style in zip(LOADOUTS.items(), ["-", "--"]):
        table = aircraft.table(speed_range=(150, 5, 400, 5, 850), altitudes=ALTITUDES_FT, stores=stores)
        weight = aircraft.loadout(stores)["computing_weight"]
        for row, altitude in enumerate(table.altitudes):
            axes.plot(table.speeds, 1000 / table.lb_per_nm[row], style, color=f"C{row}",
                      label=f"{altitude:,.0f} ft, {name} ({weight:,.0f} lb)")
    axes.set_xlabel("CAS (kt)")
    axes.set_ylabel("Specific range (NM per 1,000 lb of fuel)")
    axes.set_title(f"{aircraft.name}: specific range in steady level flight")
    axes.grid(True, alpha=0.3)
    axes.legend(fontsize="small")
    figure.tight_layout()
    figure.savefig(args.output, dpi=100)
    print(args.output)


if __name__ == "__main__":
    main()
