// SPDX-License-Identifier: GPL-3.0-or-later
// A hint for the large arrays of a table (a million cells take tens of megabytes): they are
// written once from end to end, so fewer, larger pages spare the program most page faults.
#pragma once

#include <cstddef>

namespace tz9 {

// Asks the system to back the whole 2 MiB pages inside [data, data + bytes) with huge pages.
// Call it before the memory is first written; it is only a hint and changes no value. Does
// nothing where the system has no such hint.
void AdviseLargeBuffer(void* data, std::size_t bytes);

}  // namespace tz9
