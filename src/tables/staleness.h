// SPDX-License-Identifier: GPL-3.0-or-later
// What a computation of the grids no longer matches in the window: the headers, the inputs, the
// second grid's option or the aircraft it was computed from. Set fields say what changed since.
#pragma once

namespace tz9 {

struct Staleness {
  bool tableRelaid = false;      // the grids' headers (or size) changed since
  bool inputsEdited = false;     // the computing weight or a count text changed
  bool modeChanged = false;      // the second grid's choice changed
  bool aircraftChanged = false;  // another aircraft was loaded, or the record was reset

  bool Current() const { return !tableRelaid && !inputsEdited && !modeChanged && !aircraftChanged; }
};

}  // namespace tz9
