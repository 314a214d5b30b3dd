// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis windows' set-ups now live in the one support header of the folder.
#pragma once

#include "window_test_support.h"
