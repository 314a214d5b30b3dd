// SPDX-License-Identifier: GPL-3.0-or-later
// Atmosphere and speed conversions: the closed-form standard-atmosphere approximations and the
// subsonic pitot relation that turn one cell's calibrated airspeed and altitude into density,
// Mach number, true airspeed and dynamic pressure. Pure arithmetic on two numbers.
#pragma once

namespace tz9 {

// The quantities of one cell. Everything is double except the altitude, which is held in single
// precision: every formula starts from that rounded value.
struct AtmosphereState {
  float altitude = 0;          // ft
  double cas = 0;              // kt, calibrated airspeed
  double density = 0;          // slug/ft^3
  double temperatureK = 0;     // K
  double speedOfSound = 0;     // kt
  double staticPressure = 0;   // lb/ft^2
  double impactPressure = 0;   // lb/ft^2, for the calibrated airspeed
  double mach = 0;             // -
  double tas = 0;              // kt, true airspeed
  double speedFps = 0;         // ft/s, the calibrated airspeed (not the true one)
  double dynamicPressure = 0;  // lb/ft^2, from speedFps and the density at altitude
};

// Density in slug/ft^3: a power law below 36089 ft, an exponential referred to 36089.24 ft at and
// above it (two different constants; the branches meet within about 0.001 %).
double ComputeAirDensity(float altitude);

// Fixed lapse of 2 K per 1000 ft at every altitude; no value (NaN after the square root of the
// speed of sound) from about 144 075 ft up.
double TemperatureK(float altitude);
double SpeedOfSound(double temperatureK);  // kt
// One pressure law at every altitude; it has no value from about 145 442 ft up.
double StaticPressure(float altitude);  // lb/ft^2
double ImpactPressure(double cas);      // lb/ft^2, cas in kt
// Subsonic pitot relation at every speed, so the Mach number keeps growing smoothly above 1.
double MachNumber(double impactPressure, double staticPressure);
double TrueAirspeed(double mach, double speedOfSound);    // kt
double SpeedFps(double cas);                              // ft/s
double DynamicPressure(double density, double speedFps);  // lb/ft^2

// The quantities that depend on the altitude alone, and those that depend on the speed alone: a
// sweep makes each once per row or column and combines them per cell, with the same bits as
// computing everything per cell.
struct AltitudeTerms {
  float altitude = 0;         // ft
  double density = 0;         // slug/ft^3
  double temperatureK = 0;    // K
  double speedOfSound = 0;    // kt
  double staticPressure = 0;  // lb/ft^2
};
struct SpeedTerms {
  double cas = 0;             // kt
  double impactPressure = 0;  // lb/ft^2
  double speedFps = 0;        // ft/s
};
AltitudeTerms ComputeAltitudeTerms(float altitude);
SpeedTerms ComputeSpeedTerms(double cas);
AtmosphereState CombineAtmosphere(const SpeedTerms& speed, const AltitudeTerms& altitude);

// Every field above, in the order the formulas build on each other. Values outside the range of
// the formulas come out as NaN or infinity; the caller checks them.
AtmosphereState ComputeAtmosphere(double cas, float altitude);

}  // namespace tz9
