// SPDX-License-Identifier: GPL-3.0-or-later
// Charts window benchmarks on a computed table of 1,000 speeds by 1,000 altitudes (the generic
// fighter with two tanks, offscreen): the window opened and painted; every row scanned for the
// envelope's band limits behind it; the speed axis switched to Mach.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>
#include <optional>
#include <string>

#include "aircraft_file_chooser.h"
#include "charts_window.h"
#include "form1.h"

namespace {

class FixedChooser final : public tz9::AircraftFileChooser {
 public:
  explicit FixedChooser(std::string path) : path_(std::move(path)) {}
  std::optional<std::string> ChooseAircraftFile() override { return path_; }

 private:
  std::string path_;
};

// Ranges of 1000 speeds (150..1149 kt) by 1000 altitudes (0..49950 ft).
constexpr const char* kMillionCells[][2] = {
    {"txtSpMi", "150"},  {"txtSpS1", "1"},    {"txtSpSt", "650"}, {"txtSpS2", "1"},
    {"txtSpMa", "1149"}, {"txtAlMi", "0"},    {"txtAlS1", "50"},  {"txtAlSt", "25000"},
    {"txtAlS2", "50"},   {"txtAlMa", "49950"}};

std::unique_ptr<tz9::Form1> ComputedMillionCells() {
  auto form = std::make_unique<tz9::Form1>();
  form->SetFileChooser(
      std::make_unique<FixedChooser>(std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat"));
  form->show();
  form->mnuFileApri_Click();
  form->findChild<QLineEdit*>(QStringLiteral("txtFuelTank"))->setText(QStringLiteral("2"));
  for (const auto& [name, text] : kMillionCells) {
    form->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
  }
  form->cmdTable_Click();
  form->cmdCompute_Click();
  QCoreApplication::processEvents();
  return form;
}

// Shown and painted: what the user waits for after View > Charts.
std::unique_ptr<tz9::frmCharts> OpenCharts(tz9::Form1& form) {
  auto charts = std::make_unique<tz9::frmCharts>(form);
  charts->show();
  QCoreApplication::processEvents();
  charts->repaint();
  return charts;
}

void WaitForEveryRow(const tz9::frmCharts& charts) {
  while (!charts.EnvelopeFromEveryRow())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  QCoreApplication::processEvents();
}

void BM_ChartsOpen_1M(benchmark::State& state) {
  const auto form = ComputedMillionCells();
  for (auto _ : state) {
    const auto charts = OpenCharts(*form);
    state.PauseTiming();
    WaitForEveryRow(*charts);  // not left running into the next opening
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ChartsOpen_1M)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ChartsEveryRowScanned_1M(benchmark::State& state) {
  const auto form = ComputedMillionCells();
  for (auto _ : state) {
    const auto charts = OpenCharts(*form);
    WaitForEveryRow(*charts);
    charts->repaint();
  }
}
BENCHMARK(BM_ChartsEveryRowScanned_1M)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ChartsSpeedAxisMach_1M(benchmark::State& state) {
  const auto form = ComputedMillionCells();
  const auto charts = OpenCharts(*form);
  WaitForEveryRow(*charts);
  charts->tabCharts->setCurrentIndex(2);
  bool mach = false;
  for (auto _ : state) {
    mach = !mach;
    (mach ? charts->optSpeedMach : charts->optSpeedCas)->setChecked(true);
    charts->repaint();
  }
}
BENCHMARK(BM_ChartsSpeedAxisMach_1M)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
