#include "performance/atmosphere.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace tz9 {
namespace {

// Relative tolerance for figures given to ten significant digits.
constexpr double kTenDigits = 1e-9;

void ExpectRelative(double got, double expected, double tolerance, const std::string& what) {
  EXPECT_NEAR(got, expected, std::fabs(expected) * tolerance) << what;
}

struct AtmosphereCase {
  double cas;      // kt
  float altitude;  // ft
  double density, speedOfSound, staticPressure, mach, tas, dynamicPressure;
};

TEST(Atmosphere, ReproducesTheReferenceTableToNineDigits) {
  const std::vector<AtmosphereCase> cases = {
      {300, 0, 0.002376892, 661.4786043, 2116.2166, 0.4535294112, 300.0000019, 304.7070160},
      {300, 30000, 0.0008892727195, 588.5952134, 628.4335929, 0.7906383395, 465.3659421,
       114.0008199},
      {250, 36089, 0.0007061247623, 572.6710309, 472.6854250, 0.7583783702, 434.3013230,
       62.86254431},
      {660, 40000, 0.0005851192935, 562.2049913, 390.3370099, 1.807749181, 1016.325613,
       363.0469441},
  };
  for (const auto& c : cases) {
    const std::string at = std::to_string(c.cas) + " kt at " + std::to_string(c.altitude) + " ft: ";
    const AtmosphereState s = ComputeAtmosphere(c.cas, c.altitude);
    ExpectRelative(s.density, c.density, kTenDigits, at + "density");
    ExpectRelative(s.speedOfSound, c.speedOfSound, kTenDigits, at + "speed of sound");
    ExpectRelative(s.staticPressure, c.staticPressure, kTenDigits, at + "static pressure");
    ExpectRelative(s.mach, c.mach, kTenDigits, at + "mach");
    ExpectRelative(s.tas, c.tas, kTenDigits, at + "tas");
    ExpectRelative(s.dynamicPressure, c.dynamicPressure, kTenDigits, at + "dynamic pressure");
  }
}

TEST(Atmosphere, TemperatureLapsesTwoKelvinPerThousandFeetWithoutTropopause) {
  const std::vector<std::pair<float, double>> cases = {
      {0, 288.15}, {36089, 215.972}, {40000, 208.15}, {100000, 88.15}};
  for (const auto& [altitude, kelvin] : cases) {
    ExpectRelative(TemperatureK(altitude), kelvin, 1e-12, std::to_string(altitude) + " ft");
  }
}

TEST(Atmosphere, SeaLevelSpeedOfSoundIsThePitotReference) {
  EXPECT_NEAR(SpeedOfSound(TemperatureK(0)), 661.4786, 0.00005);
}

TEST(Atmosphere, DensityBranchChangesAt36089Feet) {
  struct Case {
    float altitude;
    double density;
    double tolerance;  // relative; the value just below the boundary is quoted loosely
  };
  const float justBelow = std::nextafter(36089.0f, 0.0f);
  const std::vector<Case> cases = {{justBelow, 0.00070612404, 2e-7}, {36089, 0.00070612476, 1e-8}};
  for (const auto& c : cases) {
    ExpectRelative(ComputeAirDensity(c.altitude), c.density, c.tolerance,
                   std::to_string(c.altitude));
  }
  // The exponential branch starts above the power law: the density steps up at the boundary.
  EXPECT_GT(ComputeAirDensity(36089.0f), ComputeAirDensity(justBelow));
  EXPECT_LT(ComputeAirDensity(36089.0f), ComputeAirDensity(36088.0f));
}

TEST(Atmosphere, ZeroSpeedGivesZeroMachTasAndDynamicPressure) {
  const AtmosphereState s = ComputeAtmosphere(0, 10000);
  EXPECT_EQ(s.impactPressure, 0);
  EXPECT_EQ(s.mach, 0);
  EXPECT_EQ(s.tas, 0);
  EXPECT_EQ(s.dynamicPressure, 0);
}

TEST(Atmosphere, AltitudeIsRoundedToSinglePrecisionOnce) {
  const AtmosphereState s = ComputeAtmosphere(300, 1234.567f);
  EXPECT_EQ(static_cast<double>(s.altitude), 1234.5670166015625);
  EXPECT_EQ(s.density, ComputeAirDensity(1234.567f));
  EXPECT_EQ(ComputeAtmosphere(300, 35000).altitude, 35000.0f);
}

TEST(Atmosphere, FormulasHaveNoValueAboveTheirRange) {
  // The temperature law runs out near 144 075 ft, the pressure law near 145 442 ft.
  EXPECT_TRUE(std::isfinite(SpeedOfSound(TemperatureK(144000))));
  EXPECT_TRUE(std::isnan(SpeedOfSound(TemperatureK(144100))));
  EXPECT_GT(StaticPressure(145400), 0);
  EXPECT_TRUE(std::isnan(StaticPressure(145500)));
  EXPECT_TRUE(std::isnan(ComputeAtmosphere(300, 200000).mach));
}

}  // namespace
}  // namespace tz9
