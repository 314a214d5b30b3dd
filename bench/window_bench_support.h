// SPDX-License-Identifier: GPL-3.0-or-later
// What the window benchmarks share: the real Form1 (offscreen) with the generic fighter loaded
// as a user loads it, fields set by objectName, the million-cell ranges, and the main that
// starts Qt before the benchmarks.
#pragma once

#include <QLineEdit>
#include <cstddef>
#include <memory>

#include "shell/form1.h"

namespace tz9::bench {

// Ranges of 1000 speeds (150..1149 kt) by 1000 altitudes (0..49950 ft).
inline constexpr const char* kMillionCells[][2] = {
    {"txtSpMi", "150"},  {"txtSpS1", "1"},    {"txtSpSt", "650"}, {"txtSpS2", "1"},
    {"txtSpMa", "1149"}, {"txtAlMi", "0"},    {"txtAlS1", "50"},  {"txtAlSt", "25000"},
    {"txtAlS2", "50"},   {"txtAlMa", "49950"}};

inline void SetField(Form1& form, const char* name, const char* text) {
  form.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
}

template <std::size_t N>
void SetFields(Form1& form, const char* const (&fields)[N][2]) {
  for (const auto& [name, text] : fields)
    SetField(form, name, text);
}

// The window shown, the generic fighter loaded through File > Load and two fuel tanks typed.
std::unique_ptr<Form1> GenericFighterWithTanks();

// The ranges set, the table laid out and computed at the proposed weight.
template <std::size_t N>
void LayOutAndCompute(Form1& form, const char* const (&ranges)[N][2]) {
  SetFields(form, ranges);
  form.cmdTable_Click();
  form.cmdCompute_Click();
}

// Starts an offscreen QApplication and runs the benchmarks the command line selects.
int RunWindowBenchmarks(int argc, char** argv);

}  // namespace tz9::bench
