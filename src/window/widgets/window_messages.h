// SPDX-License-Identifier: GPL-3.0-or-later
// The window's words for what the core reports as codes: the refusals of "Create Table", naming
// the range fields by their labels ("Min Speed", "Speed Step1", "Step Speed" ...), and those of
// "Compute Table".
#pragma once

#include <string>

#include "loadout/loadout.h"
#include "performance/sweep.h"
#include "tables/table_layout.h"

namespace tz9 {

// The window caption, also the caption of its message boxes and the title of its reports.
inline constexpr const char* kApplicationTitle = "Strakon TZ9 Performances";

// One line for the status line: "Speed Step1 is 0: the axis cannot step from Min Speed to Step
// Speed."
std::string LayoutRefusalText(const LayoutRefusal& refusal);

// One line for the status line when "Compute Table" refuses to start.
std::string SweepRefusalText(SweepRefusal refusal);

// When "Compute Table" refuses a computing weight that the loadout wrote as "overflow": the
// refusal, and what took the weight there.
std::string WeightOverflowText(LoadoutOverflow cause);

}  // namespace tz9
