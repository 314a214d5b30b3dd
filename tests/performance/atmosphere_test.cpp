// SPDX-License-Identifier: GPL-3.0-or-later

#include "performance/atmosphere.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tz9 {
namespace {

TEST(Atmosphere, ReproducesTheReferenceTableToNineDigits) {
  // cas (kt), altitude (ft): density, speed of sound, static pressure, mach, tas, q
  const double rows[][8] = {
      {300, 0, 0.002376892, 661.4786043, 2116.2166, 0.4535294112, 300.0000019, 304.7070160},
      {300, 30000, 0.0008892727195, 588.5952134, 628.4335929, 0.7906383395, 465.3659421,
       114.0008199},
      {250, 36089, 0.0007061247623, 572.6710309, 472.6854250, 0.7583783702, 434.3013230,
       62.86254431},
      {660, 40000, 0.0005851192935, 562.2049913, 390.3370099, 1.807749181, 1016.325613,
       363.0469441}};
  for (const auto& row : rows) {
    const AtmosphereState s = ComputeAtmosphere(row[0], static_cast<float>(row[1]));
    const double got[] = {s.density, s.speedOfSound, s.staticPressure,
                          s.mach,    s.tas,          s.dynamicPressure};
    for (int i = 0; i < 6; ++i)
      EXPECT_NEAR(got[i], row[i + 2], row[i + 2] * 1e-9) << row[1] << " ft, figure " << i;
  }
}

TEST(Atmosphere, DensitySwitchesToTheExponentialBranchAt36089Feet) {
  EXPECT_NEAR(ComputeAirDensity(36088.0f), 0.0007061514986, 1e-13);  // power law
  EXPECT_NEAR(ComputeAirDensity(36089.0f), 0.0007061247623, 1e-13);  // exponential
  // The exponential branch starts above the power law: density steps up at the boundary.
  EXPECT_GT(ComputeAirDensity(36089.0f), ComputeAirDensity(std::nextafter(36089.0f, 0.0f)));
  EXPECT_EQ(ComputeAtmosphere(300, 1234.567f).density, ComputeAirDensity(1234.567f));
}

}  // namespace
}  // namespace tz9
