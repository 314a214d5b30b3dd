// SPDX-License-Identifier: GPL-3.0-or-later
// Window benchmarks: "Create Table" and "Compute Table" in the real Form1 (offscreen) at a
// million cells, the views repainted; the window shown from nothing; peak memory at that size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QPushButton>
#include <QtTest>

#include "shell/form1.h"
#include "window_bench_support.h"

namespace {

using tz9::bench::GenericFighterWithTanks;
using tz9::bench::kMillionCells;
using tz9::bench::SetFields;

constexpr const char* kStartValues[][2] = {
    {"txtSpMi", "150"},  {"txtSpS1", "50"},   {"txtSpSt", "250"}, {"txtSpS2", "30"},
    {"txtSpMa", "660"},  {"txtAlMi", "0"},    {"txtAlS1", "500"}, {"txtAlSt", "1000"},
    {"txtAlS2", "5000"}, {"txtAlMa", "40000"}};

void Click(tz9::Form1& form, const char* name) {
  QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
  QCoreApplication::processEvents();
  form.repaint();  // the views paint what they now show
}

void BM_WindowCreateTable_1M(benchmark::State& state) {
  const auto form = GenericFighterWithTanks();
  for (auto _ : state) {
    state.PauseTiming();
    SetFields(*form, kStartValues);
    Click(*form, "cmdTable");
    SetFields(*form, kMillionCells);
    state.ResumeTiming();
    Click(*form, "cmdTable");
  }
}
BENCHMARK(BM_WindowCreateTable_1M)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WindowComputeTable_1M(benchmark::State& state) {
  const auto form = GenericFighterWithTanks();
  SetFields(*form, kMillionCells);
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
  return tz9::bench::RunWindowBenchmarks(argc, argv);
}
