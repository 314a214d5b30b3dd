// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/atmosphere.h"

#include <cmath>

namespace tz9 {

double ComputeAirDensity(float altitude) {
  const double h = altitude;
  if (h < 36089) {
    return 0.002376892 * std::pow(1 - 6.8755856e-6 * h, 4.255876);
  }
  return 0.0007061166170352 * std::exp(-4.806346e-5 * (h - 36089.24));
}

double TemperatureK(float altitude) {
  const double x = static_cast<double>(altitude) / 1000;
  return (15 - (x + x)) + 273.15;
}

double SpeedOfSound(double temperatureK) {
  return 38.967854 * std::sqrt(temperatureK);
}

double StaticPressure(float altitude) {
  // The lapse constant is formed at run time as a power of ten times its digits; it can differ
  // from the density's literal 6.8755856e-6 in the last bit.
  const double k = std::pow(10.0, -6.0) * 6.8755856;
  return 2116.2166 * std::pow(1 - k * static_cast<double>(altitude), 5.2558797);
}

double ImpactPressure(double cas) {
  const double ratio = cas / 661.4786;  // to the sea-level speed of sound, kt
  return 2116.2166 * (std::pow(1 + 0.2 * (ratio * ratio), 3.5) - 1);
}

double MachNumber(double impactPressure, double staticPressure) {
  const double pressureRatio = impactPressure / staticPressure + 1;
  return std::pow(5 * (std::pow(pressureRatio, 2.0 / 7.0) - 1), 0.5);
}

double TrueAirspeed(double mach, double speedOfSound) {
  return mach * speedOfSound;
}

double SpeedFps(double cas) {
  return cas * 1.687836;
}

double DynamicPressure(double density, double speedFps) {
  return ((0.5 * density) * speedFps) * speedFps;
}

AltitudeTerms ComputeAltitudeTerms(float altitude) {
  AltitudeTerms terms;
  terms.altitude = altitude;
  terms.density = ComputeAirDensity(altitude);
  terms.temperatureK = TemperatureK(altitude);
  terms.speedOfSound = SpeedOfSound(terms.temperatureK);
  terms.staticPressure = StaticPressure(altitude);
  return terms;
}

SpeedTerms ComputeSpeedTerms(double cas) {
  SpeedTerms terms;
  terms.cas = cas;
  terms.impactPressure = ImpactPressure(cas);
  terms.speedFps = SpeedFps(cas);
  return terms;
}

AtmosphereState CombineAtmosphere(const SpeedTerms& speed, const AltitudeTerms& altitude) {
  AtmosphereState state;
  state.altitude = altitude.altitude;
  state.cas = speed.cas;
  state.density = altitude.density;
  state.temperatureK = altitude.temperatureK;
  state.speedOfSound = altitude.speedOfSound;
  state.staticPressure = altitude.staticPressure;
  state.impactPressure = speed.impactPressure;
  state.mach = MachNumber(state.impactPressure, state.staticPressure);
  state.tas = TrueAirspeed(state.mach, state.speedOfSound);
  state.speedFps = speed.speedFps;
  state.dynamicPressure = DynamicPressure(state.density, state.speedFps);
  return state;
}

AtmosphereState ComputeAtmosphere(double cas, float altitude) {
  return CombineAtmosphere(ComputeSpeedTerms(cas), ComputeAltitudeTerms(altitude));
}

}  // namespace tz9
