// SPDX-License-Identifier: GPL-3.0-or-later
// What the second grid shows: fuel per nautical mile, true airspeed or Mach number.
#pragma once

namespace tz9 {

enum class DisplayMode { LbsPerNm, Tas, MachNumber };

}  // namespace tz9
