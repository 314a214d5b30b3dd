// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_bench_support.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <optional>
#include <string>

#include "widgets/aircraft_file_chooser.h"

namespace tz9::bench {
namespace {

class FixedChooser final : public AircraftFileChooser {
 public:
  std::optional<std::string> ChooseAircraftFile() override {
    return std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat";
  }
};

}  // namespace

std::unique_ptr<Form1> GenericFighterWithTanks() {
  auto form = std::make_unique<Form1>();
  form->SetFileChooser(std::make_unique<FixedChooser>());
  form->show();
  form->mnuFileApri_Click();
  SetField(*form, "txtFuelTank", "2");
  return form;
}

int RunWindowBenchmarks(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace tz9::bench
