#include "loadout/loadout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tz9 {
namespace {

struct LoadoutCase {
  std::string name;
  StoreCountTexts counts;  // AA, AG, bombs, cluster, ECM, tanks
  std::string zeroFuelWeight;
  std::string maxInternalFuel;
  LoadoutTexts expected;
};

void ExpectTexts(const LoadoutCase& c) {
  const LoadoutTexts got = ComputeLoadout(c.counts, c.zeroFuelWeight, c.maxInternalFuel);
  EXPECT_EQ(got.ExtraWeight, c.expected.ExtraWeight) << c.name;
  EXPECT_EQ(got.ExtFuel, c.expected.ExtFuel) << c.name;
  EXPECT_EQ(got.TotalFuel, c.expected.TotalFuel) << c.name;
  EXPECT_EQ(got.ActualWeight, c.expected.ActualWeight) << c.name;
  EXPECT_EQ(got.CompWeight, c.expected.CompWeight) << c.name;
}

TEST(Loadout, WritesTheFiveFiguresAsTexts) {
  const std::vector<LoadoutCase> cases = {
      {"NothingLoadedAllZero", {"0", "0", "0", "0", "0", "0"}, "", "", {"0", "0", "0", "0", "0"}},
      {"MixedLoadout",
       {"4", "0", "6", "0", "1", "2"},
       "19000",
       "7000",
       {"8510", "4810", "11810", "39320", "39300"}},
      {"TankCountsTwiceAsStoreAndFuel",
       {"0", "0", "0", "0", "0", "1"},
       "0",
       "0",
       {"2405", "2405", "2405", "4810", "4800"}},
      {"HalfABomb", {"0", "0", "0.5", "0", "0", "0"}, "", "", {"250", "0", "0", "250", "200"}},
      {"WholeHundredKeepsItsValue",
       {"0", "0", "0", "0", "0", "0"},
       "39300",
       "",
       {"0", "0", "0", "39300", "39300"}},
      {"EveryStoreKindInTableOrder",
       {"1", "1", "1", "1", "1", "1"},
       "10000",
       "5000",
       {"4180", "2405", "7405", "21585", "21500"}},
  };
  for (const auto& c : cases)
    ExpectTexts(c);
}

TEST(Loadout, FloorGoesTowardMinusInfinity) {
  const std::vector<LoadoutCase> cases = {
      {"NegativeMissile",
       {"-1", "0", "0", "0", "0", "0"},
       "",
       "",
       {"-150", "0", "0", "-150", "-200"}},
      {"JustBelowAHundred",
       {"0", "0", "0", "0", "0", "0"},
       "39399",
       "",
       {"0", "0", "0", "39399", "39300"}},
  };
  for (const auto& c : cases)
    ExpectTexts(c);
}

TEST(Loadout, EachStepReadsTheFifteenDigitTextOfThePrevious) {
  // 0.1 x 150 is a little above 15 in double; the field shows 15 and later steps use exactly 15,
  // so 15 + 85 makes exactly 100 and the computing weight stays 100 (not 0 or 99.99...).
  const std::vector<LoadoutCase> cases = {
      {"TenthOfAMissile", {"0.1", "0", "0", "0", "0", "0"}, "", "", {"15", "0", "0", "15", "0"}},
      {"RoundedSumReachesAHundred",
       {"0.1", "0", "0", "0", "0", "0"},
       "85",
       "",
       {"15", "0", "0", "100", "100"}},
      {"TenthOfATank",
       {"0", "0", "0", "0", "0", "0.1"},
       "0",
       "0",
       {"240.5", "240.5", "240.5", "481", "400"}},
  };
  for (const auto& c : cases)
    ExpectTexts(c);
}

TEST(Loadout, ReadsAnyTextLeniently) {
  const std::vector<LoadoutCase> cases = {
      {"TrailingTextIgnored",
       {"2x", "", "abc", "1,5", " 1", "0"},
       "1000 lb",
       "",
       {"1200", "0", "0", "2200", "2200"}},
  };
  for (const auto& c : cases)
    ExpectTexts(c);
}

TEST(Loadout, OverflowIsWrittenAndCarriedToEveryLaterFigure) {
  const std::string o(kOverflowText);
  const std::vector<LoadoutCase> cases = {
      {"HugeTankCount", {"0", "0", "0", "0", "0", "1e306"}, "0", "0", {o, o, o, o, o}},
      {"HugeMissileCount", {"1e307", "0", "0", "0", "0", "0"}, "0", "7000", {o, "0", "7000", o, o}},
      {"SumOfHugeWeights",
       {"0", "0", "0", "0", "0", "0"},
       "1.7e308",
       "1.7e308",
       {"0", "0", "1.7e+308", o, o}},
      {"InfiniteCountFromTheLenientParse",
       {"1e999", "0", "0", "0", "0", "0"},
       "0",
       "0",
       {o, "0", "0", o, o}},
  };
  for (const auto& c : cases)
    ExpectTexts(c);
}

}  // namespace
}  // namespace tz9
