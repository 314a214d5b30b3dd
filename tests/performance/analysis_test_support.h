// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis tests' aircraft and computations live in test_support.h with the other shared
// set-ups; this name stays for the files that include it.
#pragma once

#include "test_support.h"
