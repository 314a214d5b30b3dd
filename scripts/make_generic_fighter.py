#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes examples/generic-fighter.dat: a plausible single-engine supersonic fighter of our own
making. The coefficients come from simple textbook-style shapes (a lift slope that falls off
past Mach 1, a transonic drag rise, thrust lapsing with density), not from any real aircraft."""
import math
import pathlib

MACH_AERO = [0, 0.2, 0.4, 0.6, 0.8, 0.9, 0.95, 1.05, 1.2, 1.5, 1.8, 2.2, 2.6, 3.0]
ALPHA = [-5, 0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 25, 30, 40]
MACH_THRUST = [0, 0.3, 0.6, 0.9, 1.2, 1.5, 1.8, 2.1, 2.5, 3.0]
ALTITUDE = [0, 5000, 10000, 20000, 30000, 40000, 50000, 60000]


def interp(x, xs, ys):
    for i in range(1, len(xs)):
        if x <= xs[i]:
            t = (x - xs[i - 1]) / (xs[i] - xs[i - 1])
            return ys[i - 1] + t * (ys[i] - ys[i - 1])
    return ys[-1]


def lift_slope(m):  # per degree
    return interp(m, [0, 0.8, 0.95, 1.05, 1.5, 2.2, 3.0], [0.075, 0.078, 0.085, 0.07, 0.055, 0.042, 0.033])


def lift(m, a):
    cl0, slope = 0.05, lift_slope(m)
    linear = lambda x: cl0 + slope * x
    if a <= 20:
        return linear(a)
    peak = linear(20) + 0.1 * slope / 0.075
    return interp(a, [20, 25, 30, 40], [linear(20), peak, linear(20) - 0.05, linear(20) - 0.35])


def drag(m, a):
    cd0 = interp(m, [0, 0.8, 0.9, 0.95, 1.05, 1.2, 1.5, 2.2, 3.0],
                 [0.018, 0.019, 0.024, 0.035, 0.044, 0.038, 0.032, 0.029, 0.028])
    k = interp(m, [0, 0.9, 1.2, 3.0], [0.11, 0.12, 0.16, 0.22])
    return cd0 + k * lift(m, a) ** 2


def sigma(h):
    return (1 - 6.8755856e-6 * h) ** 4.255876 if h < 36089 else 0.2971 * math.exp(-4.806346e-5 * (h - 36089))


def military(h, m):
    return 15000 * sigma(h) ** 0.85 * max(0.12, 1 + 0.25 * m - 0.22 * m * m)


def afterburner(h, m):
    return 27000 * sigma(h) ** 0.8 * (1 + 0.55 * m - 0.1 * m * m)


def row(values, digits):
    return ", ".join(f"{v:.{digits}f}".rstrip("0").rstrip(".") if digits else str(round(v)) for v in values)


out = []
w = out.append
w("Model: Generic Fighter GF-1")
w('"Strakon TZ9 aircraft file, written for the examples: a generic single-engine fighter"')
w("# INPUT MASS AND GEOMETRIC PROPERTIES:")
w("19000, zero fuel weight (lb)")
w("300, wing reference area (ft2)")
w("7000, maximum internal fuel (lb)")
mass = [("wing span", 32.8, "ft"), ("mean chord", 11.3, "ft"), ("max take-off weight", 42000, "lb"),
        ("Ixx", 12900, "slug ft2"), ("Iyy", 75700, "slug ft2"), ("Izz", 85500, "slug ft2"),
        ("Ixz", 280, "slug ft2"), ("cg x", 0.35, "mac"), ("cg z", 0.0, "ft"),
        ("tail arm", 15.2, "ft"), ("tail area", 63.7, "ft2"), ("fin area", 54.8, "ft2"),
        ("gear drag", 0.02, "-"), ("flap drag", 0.015, "-"), ("speed brake drag", 0.04, "-"),
        ("roll damping", -0.3, "-"), ("pitch damping", -3.2, "-"), ("yaw damping", -0.35, "-"),
        ("max g", 9, "g"), ("min g", -3, "g")]
for label, value, unit in mass:
    w(f"{value}, {label}, {unit}")
w("# AERODYNAMICS, lift and drag, by Mach and angle of attack")
w(f"{len(MACH_AERO)}, aerodynamic Mach breakpoints")
w(row(MACH_AERO, 3))
w("# angle of attack axis, deg, -")
w(f"{len(ALPHA)}, angle-of-attack breakpoints")
w(row(ALPHA, 0))
w("# lift coefficient, rows by Mach, columns by angle of attack")
w("1, lift multiplier, -, -")
for m in MACH_AERO:
    w(row([lift(m, a) for a in ALPHA], 4) + f", Mach {m}, lift")
w("# drag coefficient, 1, drag multiplier (the file values count 1.5 times), -, -")
for m in MACH_AERO:
    w(row([drag(m, a) / 1.5 for a in ALPHA], 5) + f", Mach {m}, drag")
w("# PROPULSION DATA")
w("# one afterburning turbofan")
w("1, thrust multiplier")
w("15000, sea-level static Military thrust in lb (not used)")
w("# thrust tables, rows by altitude (ft), columns by Mach")
w(f"{len(MACH_THRUST)}, propulsion Mach breakpoints")
w(row(MACH_THRUST, 2))
w("# altitude axis, ft, -")
w(f"{len(ALTITUDE)}, altitude breakpoints")
w(", ".join(str(h) for h in ALTITUDE))
w("# idle thrust (lb), not used, by altitude, by Mach")
for h in ALTITUDE:
    w(row([600 * sigma(h) for _ in MACH_THRUST], 0) + f", {h} ft, idle")
w("# Military thrust, lb")
for h in ALTITUDE:
    w(row([military(h, m) for m in MACH_THRUST], 0) + f", {h} ft")
w("# afterburner thrust, lb")
for h in ALTITUDE:
    w(row([afterburner(h, m) for m in MACH_THRUST], 0) + f", {h} ft, afterburner")
w("# Stores Drag")
w("0, 1")
w("0.9, 1.2")
w("1.5, 1.6")
w("# fuel flow per pound of thrust needed, by power setting")
w("fuelFlowFactorNormal 0.78")
w("fuelFlowFactorAb 2.05")
w("nEngines 1")
path = pathlib.Path(__file__).resolve().parent.parent / "examples" / "generic-fighter.dat"
path.write_text("\n".join(out) + "\n")
