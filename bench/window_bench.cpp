// SPDX-License-Identifier: GPL-3.0-or-later
// Window benchmarks: "Create Table" and "Compute Table" in the real Form1 (offscreen) at a
// million cells, the views repainted; the window shown from nothing; peak memory at that size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <optional>
#include <string>

#include "aircraft_file_chooser.h"
#include "form1.h"

namespace {

class FixedChooser final : public tz9::AircraftFileChooser {
 public:
  explicit FixedChooser(std::string path) : path_(std::move(path)) {}
  std::optional<std::string> ChooseAircraftFile() override { return path_; }

 private:
  std::string path_;
};

void SetField(tz9::Form1& form, const char* name, const char* text) {
  form.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
}

// Ranges of 1000 speeds by 1000 altitudes, and the window's start values.
constexpr const char* kMillionCells[][2] = {
    {"txtSpMi", "150"},  {"txtSpS1", "1"},    {"txtSpSt", "650"}, {"txtSpS2", "1"},
    {"txtSpMa", "1149"}, {"txtAlMi", "0"},    {"txtAlS1", "50"},  {"txtAlSt", "25000"},
    {"txtAlS2", "50"},   {"txtAlMa", "49950"}};
constexpr const char* kStartValues[][2] = {
    {"txtSpMi", "150"},  {"txtSpS1", "50"},   {"txtSpSt", "250"}, {"txtSpS2", "30"},
    {"txtSpMa", "660"},  {"txtAlMi", "0"},    {"txtAlS1", "500"}, {"txtAlSt", "1000"},
    {"txtAlS2", "5000"}, {"txtAlMa", "40000"}};

template <size_t N>
void SetRanges(tz9::Form1& form, const char* const (&ranges)[N][2]) {
  for (const auto& [name, text] : ranges)
    SetField(form, name, text);
}

// The generic fighter loaded with two tanks, the loadout computed.
std::unique_ptr<tz9::Form1> LoadedWindow() {
  auto form = std::make_unique<tz9::Form1>();
  form->SetFileChooser(
      std::make_unique<FixedChooser>(std::string(TZ9_EXAMPLES_DIR) + "/generic-fighter.dat"));
  form->show();
  form->mnuFileApri_Click();
  SetField(*form, "txtFuelTank", "2");
  return form;
}

void Click(tz9::Form1& form, const char* name) {
  QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
  QCoreApplication::processEvents();
  form.repaint();  // the views paint what they now show
}

void BM_WindowCreateTable_1M(benchmark::State& state) {
  const auto form = LoadedWindow();
  for (auto _ : state) {
    state.PauseTiming();
    SetRanges(*form, kStartValues);
    Click(*form, "cmdTable");
    SetRanges(*form, kMillionCells);
    state.ResumeTiming();
    Click(*form, "cmdTable");
  }
}
BENCHMARK(BM_WindowCreateTable_1M)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WindowComputeTable_1M(benchmark::State& state) {
  const auto form = LoadedWindow();
  SetRanges(*form, kMillionCells);
  Click(*form, "cmdTable");
  for (auto _ : state)
    Click(*form, "cmdCompute");
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}
BENCHMARK(BM_WindowComputeTable_1M)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WindowShown(benchmark::State& state) {
  for (auto _ : state) {
    tz9::Form1 form;
    form.show();
    QCoreApplication::processEvents();
    form.repaint();
  }
}
BENCHMARK(BM_WindowShown)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
