// SPDX-License-Identifier: GPL-3.0-or-later

#include "loadout/loadout.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

namespace tz9 {
namespace {

// The counts (AA, AG, bombs, cluster, ECM, tanks) joined by '|' give the five figures joined by
// '|', then what a refusal would name as beyond range, if anything.
std::string Loadout(const std::string& counts, std::string_view zfw, std::string_view fuel) {
  StoreCountStrings parts;
  std::istringstream joined(counts);
  for (std::string& part : parts)
    std::getline(joined, part, '|');
  const LoadoutTexts got = ComputeLoadout(ViewsOf(parts), zfw, fuel);
  constexpr const char* kCauses[] = {"", " counts", " internal fuel", " weight"};
  return got.ExtraWeight + '|' + got.ExtFuel + '|' + got.TotalFuel + '|' + got.ActualWeight + '|' +
         got.CompWeight + kCauses[static_cast<int>(FindLoadoutOverflow(got))];
}

TEST(Loadout, WritesStoresWeightFuelAndWeightsAsTexts) {
  const struct {
    const char* name;
    std::string counts, zfw, fuel, texts;
  } cases[] = {
      {"no aircraft", "0|0|0|0|0|0", "", "", "0|0|0|0|0"},
      {"mixed loadout", "4|0|6|0|1|2", "19000", "7000", "8510|4810|11810|39320|39300"},
      {"one tank is a store and fuel", "0|0|0|0|0|1", "0", "0", "2405|2405|2405|4810|4800"},
      {"every store kind", "1|1|1|1|1|1", "10000", "5000", "4180|2405|7405|21585|21500"},
      {"half a bomb", "0|0|0.5|0|0|0", "", "", "250|0|0|250|200"},
      {"floor toward minus infinity", "-1|0|0|0|0|0", "", "", "-150|0|0|-150|-200"},
      // 0.1 x 150 is a little above 15; later steps read the text "15", so 15 + 85 is 100.
      {"each step reads the text of the previous", "0.1|0|0|0|0|0", "85", "", "15|0|0|100|100"},
      {"multiple of 100 kept", "0|0|0|0|0|0", "39300", "", "0|0|0|39300|39300"},
      // 0.7777777777777778 x 2405 is 1870.555555555555...: the fuel on board adds the 15
      // digits the external fuel shows, not the double behind them (8870.55555555555).
      {"fuel on board reads the external fuel's text", "0|0|0|0|0|0.7777777777777778", "19000",
       "7000", "1870.55555555556|1870.55555555556|8870.55555555556|29741.1111111111|29700"},
      {"any text read leniently", "2x||abc|1,5| 1|0", "1000 lb", "", "1200|0|0|2200|2200"},
      // Beyond range: carried forward; a refusal names the first figure it reached.
      {"stores weight", "1e308|0|0|0|0|0", "0", "7000", "overflow|0|7000|overflow|overflow counts"},
      {"a count beyond the double range", "-1e400|0|0|0|0|0", "19000", "7000",
       "overflow|0|7000|overflow|overflow counts"},
      {"tanks", "0|0|0|0|0|1e306", "0", "0", "overflow|overflow|overflow|overflow|overflow counts"},
      {"internal fuel plus the tanks' fuel", "0|0|0|0|0|1e304", "19000", "1.7e308",
       "2.405e+307|2.405e+307|overflow|overflow|overflow internal fuel"},
      {"internal fuel alone", "0|0|0|0|0|0", "19000", "1e400",
       "0|0|overflow|overflow|overflow internal fuel"},
      {"zero fuel weight plus fuel", "0|0|0|0|0|0", "1.7e308", "1.7e308",
       "0|0|1.7e+308|overflow|overflow weight"},
      {"zero fuel weight plus stores", "1e306|0|0|0|0|0", "1e308", "0",
       "1.5e+308|0|0|overflow|overflow weight"}};
  for (const auto& c : cases)
    EXPECT_EQ(Loadout(c.counts, c.zfw, c.fuel), c.texts) << c.name;
}

}  // namespace
}  // namespace tz9
