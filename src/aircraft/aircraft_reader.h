// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft file reader: walks a .dat file as one stream of fields in a fixed order and
// fills the AircraftRecord, reporting where and why it stopped when the file does not fit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "aircraft/aircraft_record.h"

namespace tz9 {

// The three values the reader shows as it reads them, each as its text form.
class AircraftDisplay {
 public:
  virtual ~AircraftDisplay() = default;
  virtual void ShowAircraftName(const std::string& name) = 0;
  virtual void ShowZeroFuelWeight(const std::string& text) = 0;
  virtual void ShowMaxInternalFuel(const std::string& text) = 0;
};

// A display that shows nothing, for callers that only want the record.
class NoAircraftDisplay final : public AircraftDisplay {
 public:
  void ShowAircraftName(const std::string&) override {}
  void ShowZeroFuelWeight(const std::string&) override {}
  void ShowMaxInternalFuel(const std::string&) override {}
};

// Why the file was not read at all. The cause in words names the path; a caller that names the
// path itself words the failure from this.
enum class FileOpenFailure : std::uint8_t {
  None,            // read (the walk may still have stopped)
  NoSuchFile,      // nothing at the path, or its status could not be read
  Folder,          // the path is a folder
  NotRegularFile,  // a device, a pipe, a socket
  TooLarge,        // larger than kMaxAircraftFileBytes, or its size could not be read
  NoPermission,    // it could not be opened for reading
  ReadError,       // opened, but reading it failed
};

struct LoadOutcome {
  bool completed = false;
  int line = 0;       // 1-based line of the file where the load stopped; 0 when not opened
  std::string cause;  // in words: "count 26 exceeds 25"
  FileOpenFailure openFailure = FileOpenFailure::None;  // why, when the file was not opened

  // "Load stopped at line 212: count 26 exceeds 25", or "Load stopped: cannot open file: ..."
  std::string Message() const;
};

// The file name of a path: the text after its last "/" or "\", or the whole path without either.
// The window and the command-line tool name the aircraft file by it.
std::string AircraftFileNameOf(const std::string& path);

// Reads the file at path. The file is read whole and closed before the fields are walked, so it
// is released on every exit. Files that are not regular files, or larger than
// kMaxAircraftFileBytes, are refused as not openable.
LoadOutcome LoadAircraftFile(const std::string& path, AircraftRecord& record,
                             AircraftDisplay& display);

// The same walk over bytes already in memory.
LoadOutcome LoadAircraftBytes(std::string_view bytes, AircraftRecord& record,
                              AircraftDisplay& display);

inline constexpr long long kMaxAircraftFileBytes = 256LL * 1024 * 1024;

}  // namespace tz9
