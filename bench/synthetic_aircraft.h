// SPDX-License-Identifier: GPL-3.0-or-later
// A synthetic aircraft file with every axis at its full 25 entries, for measuring the reader
// and the evaluation at the largest size a file can have. The shapes are smooth and plausible
// (lift rising to a peak, drag rising with lift, thrust lapsing with altitude).
#pragma once

#include <string>

namespace tz9::bench {

inline std::string FullSizeAircraftFile() {
  constexpr int n = 25;
  auto mach = [](int i) { return 0.125 * (i - 1); };        // 0 .. 3
  auto alpha = [](int j) { return -6.0 + 2.0 * (j - 1); };  // -6 .. 42 deg
  auto altitude = [](int i) { return 2500 * (i - 1); };     // 0 .. 60000 ft
  auto lift = [&](int i, int j) {
    const double a = alpha(j);
    const double slope = mach(i) < 1 ? 0.075 : 0.075 / mach(i);
    return a <= 24 ? 0.05 + slope * a : 0.05 + slope * 24 - 0.02 * (a - 24);
  };
  std::string f = "Model: Full-size test aircraft\n# INPUT MASS AND GEOMETRIC PROPERTIES:\n";
  f += "19000, zfw\n300, area\n7000, fuel\n";
  for (int k = 0; k < 21; ++k)
    f += "0, 0, filler\n";
  f += "25, mach\n";
  for (int i = 1; i <= n; ++i)
    f += std::to_string(mach(i)) + (i < n ? ", " : "\n");
  f += "#, alpha, axis\n25, alpha\n";
  for (int j = 1; j <= n; ++j)
    f += std::to_string(alpha(j)) + (j < n ? ", " : "\n");
  f += "#, lift, table\n1, lift multiplier, -, -\n";
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j)
      f += std::to_string(lift(i, j)) + ", ";
    f += "row, lift\n";
  }
  f += "#, 1, drag multiplier, -, -\n";
  for (int i = 1; i <= n; ++i) {
    const double cd0 = mach(i) < 0.9 ? 0.018 : (mach(i) < 1.2 ? 0.04 : 0.032);
    for (int j = 1; j <= n; ++j) {
      f += std::to_string((cd0 + 0.12 * lift(i, j) * lift(i, j)) / 1.5) + ", ";
    }
    f += "row, drag\n";
  }
  f += "# PROPULSION DATA\n# engine\n1, thrust multiplier\n0, unused\n#, thrust, tables\n";
  f += "25, mach\n";
  for (int j = 1; j <= n; ++j)
    f += std::to_string(mach(j)) + (j < n ? ", " : "\n");
  f += "#, altitude, axis\n25, altitudes\n";
  for (int i = 1; i <= n; ++i)
    f += std::to_string(altitude(i)) + (i < n ? ", " : "\n");
  f += "#, idle, thrust, table\n";
  auto thrust_table = [&](double static_thrust, double ram, const char* tail) {
    for (int i = 1; i <= n; ++i) {
      const double lapse = 1.0 - altitude(i) / 75000.0;
      for (int j = 1; j <= n; ++j) {
        const double m = mach(j);
        f += std::to_string(static_thrust * lapse * (1 + ram * m - 0.15 * m * m)) + ", ";
      }
      f += tail;
    }
  };
  thrust_table(600, 0, "row, idle\n");
  f += "#, Military thrust\n";
  thrust_table(15000, 0.2, "row\n");
  f += "#, afterburner thrust\n";
  thrust_table(27000, 0.5, "row, afterburner\n");
  f += "# Stores Drag\n0, 1\n0.9, 1.2\n1.5, 1.6\n";
  f += "fuelFlowFactorNormal 0.78\nfuelFlowFactorAb 2.05\nnEngines 1\n";
  return f;
}

}  // namespace tz9::bench
