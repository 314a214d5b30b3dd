// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the aircraft file reader, then computes the start-up table with
// whatever the record holds: no input may crash, hang or read outside the record.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "aircraft/aircraft_reader.h"
#include "loadout/loadout.h"
#include "performance/sweep.h"
#include "tables/result_grid.h"
#include "tables/table_layout.h"

namespace {

struct Shown final : tz9::AircraftDisplay {
  std::string name, zfw, fuel;
  void ShowAircraftName(const std::string& t) override { name = t; }
  void ShowZeroFuelWeight(const std::string& t) override { zfw = t; }
  void ShowMaxInternalFuel(const std::string& t) override { fuel = t; }
};

void Sweep(const tz9::AircraftRecord& record, std::string_view zfw, std::string_view weight,
           const tz9::StoreCountTexts& counts, tz9::DisplayMode mode) {
  tz9::ResultGrid msfg1, msfg2;
  tz9::ApplyStartupLayout(msfg1, msfg2);
  tz9::SweepInputs inputs;
  inputs.zeroFuelWeight = zfw;
  inputs.compWeight = weight;
  inputs.counts = counts;
  inputs.mode = mode;
  tz9::ComputeTable(record, inputs, msfg1, msfg2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  tz9::AircraftRecord record;
  Shown shown;
  tz9::LoadAircraftBytes(bytes, record, shown);

  // The window's path: the loadout from the shown texts, then "Compute Table".
  const tz9::StoreCountTexts counts = {"2", "0", "4", "0", "1", "2"};
  const tz9::LoadoutTexts loadout = tz9::ComputeLoadout(counts, shown.zfw, shown.fuel);
  const auto mode = static_cast<tz9::DisplayMode>(size % 3);
  Sweep(record, shown.zfw, loadout.CompWeight, counts, mode);
  // And a sweep that always passes the guard, whatever the file showed.
  Sweep(record, "0", "26000", {"0", "0", "0", "0", "0", "0"}, tz9::DisplayMode::LbsPerNm);

  // A second load over the first, as the Load command does after its reset.
  tz9::ResetAircraftRecord(record);
  tz9::LoadAircraftBytes(bytes.substr(size / 2), record, shown);
  return 0;
}
