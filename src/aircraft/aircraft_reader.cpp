// SPDX-License-Identifier: GPL-3.0-or-later

#include "aircraft/aircraft_reader.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <system_error>

#include "aircraft/field_scanner.h"
#include "common/number_text.h"

namespace tz9 {
namespace {

constexpr std::string_view kMassMarker = "# INPUT MASS AND GEOMETRIC PROPERTIES:";
constexpr std::string_view kPropulsionMarker = "# PROPULSION DATA";
constexpr std::string_view kStoresDragMarker = "# Stores Drag";
constexpr std::string_view kFuelFlowNormalKeyword = "fuelFlowFactorNormal";
constexpr std::string_view kFuelFlowAbKeyword = "fuelFlowFactorAb";
constexpr std::string_view kEnginesKeyword = "nEngines";
constexpr size_t kNamePrefixLength = 7;

// Ends the walk: the line and the cause go to the LoadOutcome.
struct LoadStop {
  int line;
  std::string cause;
};

FieldValue GeneralValue(const FieldScanner::Field& field) {
  if (field.text.empty()) return FieldValue{};
  if (!field.quoted && IsNumericText(field.text)) {
    return FieldValue::Number(ParseLeadingNumber(field.text));
  }
  return FieldValue::Text(field.text);
}

// The walk over the fields in the file's fixed order. `what` names the part of the file being
// read, for the message when the file ends or holds something unusable there.
class AircraftFileWalk {
 public:
  AircraftFileWalk(std::string_view bytes, AircraftRecord& record, AircraftDisplay& display)
      : scanner_(bytes), record_(record), display_(display) {}

  // The file as the walk meets it, from examples/check-aircraft.dat. A comma or a line end
  // ends a field, so "19000, zero fuel weight (lb)" is two fields: the value read, then its
  // words, skipped. On the right: what each line's fields become, and the counts of the reads
  // and skips below that step over them.
  //
  //   Name = Check Aircraft                  the name, after its 7 characters "Name = "
  //   # Strakon TZ9 aircraft file: ...       anything up to the marker is passed over
  //   # INPUT MASS AND GEOMETRIC PROPERTIES: the marker
  //   19000, zero fuel weight (lb)           ZeroFuelWeight, 1 skipped (ReadFirstOf 2)
  //   300, wing reference area (ft2)         ReferenceArea, 1 skipped
  //   7000, maximum internal fuel (lb)       MaxInternalFuel, 1 skipped
  //   0, 0, mass property 1 (not used)       20 such lines of 3 fields, and the 3 fields of
  //   ...                                    the heading below: Skip(63)
  //   # AERODYNAMICS, lift and drag, -
  //   2, aerodynamic Mach breakpoints        AerodynamicMachCount, 1 skipped (ReadCount)
  //   0, 2                                   one breakpoint per count
  //   # angle of attack axis, deg, -         Skip(3)
  //   4, angle-of-attack breakpoints         AlphaCount, 1 skipped
  //   -5, 0, 10, 20                          one breakpoint per count
  //   # lift coefficient, rows by Mach, columns by alpha               Skip(3)
  //   1, lift multiplier, -, -               LiftMultiplier, 3 skipped (ReadFirstOf 4)
  //   -0.3, 0.1, 0.9, 1.2, Mach 0, lift      a row per Mach: a value per angle, 2 skipped
  //   -0.3, 0.1, 0.9, 1.2, Mach 2, lift
  //   # drag coefficient, 1, drag multiplier (...), -, -   1 skipped, DragMultiplier, 3 skipped
  //   0.0333..., 0.0133..., 0.04, 0.1333..., Mach 0, drag    rows as for lift
  //   # PROPULSION DATA                      the marker
  //   # one engine                           Skip(1)
  //   1, thrust multiplier                   ThrustMultiplier, 1 skipped (ReadFirstOf 2)
  //   0, unused propulsion value             Skip(2 + 3): this line and the heading below
  //   # thrust tables, rows by altitude (ft), columns by Mach
  //   2, propulsion Mach breakpoints         ThrustMachCount, 1 skipped
  //   0, 3                                   one breakpoint per count
  //   # altitude axis, ft, -                 Skip(3)
  //   2, altitude breakpoints                ThrustAltitudeCount, 1 skipped
  //   0, 50000                               one breakpoint per count, in whole feet
  //   # idle thrust (lb), not used, -, -     Skip(4)
  //   500, 500, 0 ft, idle                   a row per altitude: a value per Mach, 2 skipped;
  //   400, 400, 50000 ft, idle               this first table is not kept
  //   # Military thrust, lb                  Skip(2)
  //   2500, 2500, 0 ft                       a row, then 1 field skipped (2 when that field
  //   2000, 3000, 50000 ft                   is one character long)
  //   # afterburner thrust, lb               Skip(2)
  //   9000, 9000, 0 ft, afterburner          a row, 2 skipped
  //   # Stores Drag                          the marker
  //   0, 1                                   three points: Mach, drag factor
  //   0.5, 1
  //   1.5, 2
  //   fuelFlowFactorNormal 0.8               a keyword and its number in one field; the scan
  //   fuelFlowFactorAb 2                     passes over other fields and ends at the third
  //   nEngines 1                             keyword it meets
  void Run() {
    ReadName();
    FindMarker(kMassMarker);
    ReadMassAndGeometry();
    ReadAerodynamics();
    FindMarker(kPropulsionMarker);
    ReadPropulsion();
    FindMarker(kStoresDragMarker);
    ReadStoresDrag();
    ScanKeywords();
  }

 private:
  [[noreturn]] void Stop(std::string cause) const {
    throw LoadStop{scanner_.Line(), std::move(cause)};
  }

  FieldScanner::Field NextField(std::string_view what) {
    FieldScanner::Field field;
    if (!scanner_.Next(field)) Stop("end of file while reading " + std::string(what));
    return field;
  }
  FieldValue Read(std::string_view what) { return GeneralValue(NextField(what)); }
  void Skip(int fields, std::string_view what) {
    for (int k = 0; k < fields; ++k)
      NextField(what);
  }
  // The first of `fields` fields into a general value; the rest skipped.
  FieldValue ReadFirstOf(int fields, std::string_view what) {
    FieldValue value = Read(what);
    Skip(fields - 1, what);
    return value;
  }
  double ReadNumber(std::string_view what) {
    double value = 0;
    if (!scanner_.NextNumber(value)) Stop("end of file while reading " + std::string(what));
    return value;
  }

  double AsNumber(const FieldValue& value, std::string_view what) const {
    const std::optional<double> number = value.AsNumber();
    if (!number) Stop("text where a number is needed in " + std::string(what));
    return *number;
  }

  // A multiplier is used only when the first value it scales is read; text there stops the
  // load at the multiplier's own line.
  double Multiplier(const FieldValue& multiplier, int line, std::string_view what) const {
    const std::optional<double> number = multiplier.AsNumber();
    if (!number) throw LoadStop{line, "text where a number is needed in " + std::string(what)};
    return *number;
  }

  // How many entries a count asks for: every i from 1 while i <= count. A count asking for a
  // 26th entry stops the load once the 25 entries that fit were read.
  template <typename ReadEntry>
  void ReadCounted(const FieldValue& count, std::string_view what, ReadEntry read_entry) {
    const double n = AsNumber(count, what);
    for (int i = 1; i <= n; ++i) {
      if (i > kMaxBreakpoints) {
        throw LoadStop{count_line_,
                       "count " + FormatGeneral(n) + " exceeds " + std::to_string(kMaxBreakpoints)};
      }
      read_entry(i);
    }
  }

  // A count and the field after it; the count's line is kept for the message of a count that
  // asks for more entries than fit.
  FieldValue ReadCount(std::string_view what) {
    FieldValue count = Read(what);
    count_line_ = scanner_.Line();
    Skip(1, what);
    return count;
  }

  void FindMarker(std::string_view marker) {
    const std::string what = "looking for \"" + std::string(marker) + "\"";
    for (;;) {
      FieldScanner::Field field;
      if (!scanner_.Next(field)) Stop("end of file while " + what);
      if (field.text == marker) return;
    }
  }

  void ReadName() {
    const std::string text = Read("the aircraft name").TextForm();
    if (text.size() < kNamePrefixLength) {
      Stop("the first field is shorter than 7 characters, so it holds no aircraft name");
    }
    display_.ShowAircraftName(text.substr(kNamePrefixLength));
  }

  void ReadMassAndGeometry() {
    constexpr std::string_view kWhat = "the mass and geometry section";
    record_.ZeroFuelWeight = ReadFirstOf(2, kWhat);
    display_.ShowZeroFuelWeight(record_.ZeroFuelWeight.TextForm());
    record_.ReferenceArea = ReadFirstOf(2, kWhat);
    record_.MaxInternalFuel = ReadFirstOf(2, kWhat);
    display_.ShowMaxInternalFuel(record_.MaxInternalFuel.TextForm());
    Skip(63, kWhat);
  }

  // A table of scaled coefficients: rows of the aerodynamic Mach axis, columns of the angle of
  // attack axis, each row followed by two skipped fields.
  template <typename Scale>
  void ReadScaledTable(Table& table, std::string_view what, Scale scale) {
    ReadCounted(record_.AerodynamicMachCount, "the aerodynamic Mach count", [&](int i) {
      ReadCounted(record_.AlphaCount, "the angle-of-attack count", [&](int j) {
        const FieldValue field = Read(what);
        const double product = scale(AsNumber(field, what));
        if (!std::isfinite(product)) Stop("a value of " + std::string(what) + " is out of range");
        table[i][j] = FieldValue::Number(product);
      });
      Skip(2, what);
    });
  }

  void ReadAerodynamics() {
    record_.AerodynamicMachCount = ReadCount("the aerodynamic Mach count");
    ReadCounted(record_.AerodynamicMachCount, "the aerodynamic Mach count", [&](int i) {
      record_.AerodynamicMachBreakpoints[i] = Read("the aerodynamic Mach breakpoints");
    });
    Skip(3, "the aerodynamic section");
    record_.AlphaCount = ReadCount("the angle-of-attack count");
    ReadCounted(record_.AlphaCount, "the angle-of-attack count", [&](int i) {
      record_.AlphaBreakpoints[i] = Read("the angle-of-attack breakpoints");
    });
    Skip(3, "the aerodynamic section");

    record_.LiftMultiplier = ReadFirstOf(4, "the lift multiplier");
    const int lift_multiplier_line = scanner_.Line();
    ReadScaledTable(record_.LiftTable, "the lift table", [&](double value) {
      return value *
             Multiplier(record_.LiftMultiplier, lift_multiplier_line, "the lift multiplier");
    });

    Skip(1, "the drag multiplier");
    record_.DragMultiplier = ReadFirstOf(4, "the drag multiplier");
    const int drag_multiplier_line = scanner_.Line();
    ReadScaledTable(record_.DragTable, "the drag table", [&](double value) {
      return (Multiplier(record_.DragMultiplier, drag_multiplier_line, "the drag multiplier") *
              value) *
             1.5;
    });
  }

  // A thrust table: rows of the altitude axis, columns of the propulsion Mach axis; after each
  // row, after_row reads what follows it.
  template <typename AfterRow>
  void ReadThrustTable(Table* table, std::string_view what, AfterRow after_row) {
    ReadCounted(record_.ThrustAltitudeCount, "the altitude count", [&](int i) {
      ReadCounted(record_.ThrustMachCount, "the propulsion Mach count", [&](int j) {
        FieldValue value = Read(what);
        if (table != nullptr) (*table)[i][j] = std::move(value);
      });
      after_row();
    });
  }

  std::int32_t ReadAltitudeBreakpoint() {
    const double feet = std::nearbyint(ReadNumber("the altitude breakpoints"));  // half to even
    if (!(feet >= std::numeric_limits<std::int32_t>::min() &&
          feet <= std::numeric_limits<std::int32_t>::max())) {
      Stop("an altitude breakpoint is out of range");
    }
    return static_cast<std::int32_t>(feet);
  }

  void ReadPropulsion() {
    constexpr std::string_view kWhat = "the propulsion section";
    Skip(1, kWhat);
    record_.ThrustMultiplier = ReadFirstOf(2, "the thrust multiplier");
    Skip(2 + 3, kWhat);
    record_.ThrustMachCount = ReadCount("the propulsion Mach count");
    ReadCounted(record_.ThrustMachCount, "the propulsion Mach count", [&](int i) {
      record_.ThrustMachBreakpoints[i] = Read("the propulsion Mach breakpoints");
    });
    Skip(3, kWhat);
    record_.ThrustAltitudeCount = ReadCount("the altitude count");
    ReadCounted(record_.ThrustAltitudeCount, "the altitude count",
                [&](int i) { record_.ThrustAltitudeBreakpoints[i] = ReadAltitudeBreakpoint(); });
    Skip(4, kWhat);

    ReadThrustTable(nullptr, "the first thrust table", [&] { Skip(2, "the first thrust table"); });
    Skip(2, kWhat);
    ReadThrustTable(&record_.MilitaryThrustTable, "the Military thrust table", [&] {
      // One field follows each row; when it is one character long, another one does.
      if (Read("the Military thrust table").TextForm().size() == 1) {
        Skip(1, "the Military thrust table");
      }
    });
    Skip(2, kWhat);
    ReadThrustTable(&record_.AfterburnerThrustTable, "the afterburner thrust table",
                    [&] { Skip(2, "the afterburner thrust table"); });
  }

  void ReadStoresDrag() {
    for (int k = 1; k <= kStoreDragPoints; ++k) {
      const float mach = static_cast<float>(ReadNumber("the store-drag table"));
      if (!std::isfinite(mach)) Stop("a store-drag Mach number is out of range");
      record_.StoreDragMachBreakpoints[k] = mach;
      record_.StoreDragFactors[k] = Read("the store-drag table");
    }
  }

  // Keyword lines: the number after a keyword in the same field. The scan ends after three
  // matches, counted as matches, not as distinct keywords.
  void ScanKeywords() {
    int matches = 0;
    while (matches < 3) {
      std::string text = Read("the fuel-flow keywords").TextForm();
      std::string_view rest = text;
      if (rest.starts_with(kFuelFlowNormalKeyword)) {
        rest.remove_prefix(kFuelFlowNormalKeyword.size());
        record_.FuelFlowFactorNormal = ParseLeadingNumber(rest);
        ++matches;
      }
      if (rest.starts_with(kFuelFlowAbKeyword)) {
        rest.remove_prefix(kFuelFlowAbKeyword.size());
        record_.FuelFlowFactorAb = ParseLeadingNumber(rest);
        ++matches;
      }
      if (rest.starts_with(kEnginesKeyword)) {
        rest.remove_prefix(kEnginesKeyword.size());
        ++matches;
      }
    }
  }

  FieldScanner scanner_;
  int count_line_ = 0;
  AircraftRecord& record_;
  AircraftDisplay& display_;
};

// The outcome of a file that was not read, its cause naming the path as the window shows it.
LoadOutcome NotOpened(const std::string& path, FileOpenFailure failure) {
  std::string reason;
  switch (failure) {
    case FileOpenFailure::NoSuchFile:
      reason = " (no such file)";
      break;
    case FileOpenFailure::Folder:
      reason = " is a folder";
      break;
    case FileOpenFailure::NotRegularFile:
      reason = " is not a regular file";
      break;
    case FileOpenFailure::TooLarge:
      static_assert(kMaxAircraftFileBytes == 256LL * 1024 * 1024, "the text names the limit");
      reason = " is larger than 256 MiB";
      break;
    case FileOpenFailure::NoPermission:
      reason = " (no permission to read it)";
      break;
    case FileOpenFailure::ReadError:
      reason = " (read error)";
      break;
    case FileOpenFailure::None:
      break;
  }
  LoadOutcome refused;
  refused.cause = "cannot open file: " + path + reason;
  refused.openFailure = failure;
  return refused;
}

}  // namespace

std::string LoadOutcome::Message() const {
  if (completed) return "Load completed.";
  if (line > 0) return "Load stopped at line " + std::to_string(line) + ": " + cause;
  return "Load stopped: " + cause;
}

LoadOutcome LoadAircraftBytes(std::string_view bytes, AircraftRecord& record,
                              AircraftDisplay& display) {
  LoadOutcome outcome;
  try {
    AircraftFileWalk(bytes, record, display).Run();
    outcome.completed = true;
  } catch (const LoadStop& stop) {
    outcome.line = stop.line;
    outcome.cause = stop.cause;
  }
  return outcome;
}

LoadOutcome LoadAircraftFile(const std::string& path, AircraftRecord& record,
                             AircraftDisplay& display) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error || !fs::exists(status)) return NotOpened(path, FileOpenFailure::NoSuchFile);
  if (fs::is_directory(status)) return NotOpened(path, FileOpenFailure::Folder);
  if (!fs::is_regular_file(status)) return NotOpened(path, FileOpenFailure::NotRegularFile);
  const std::uintmax_t size = fs::file_size(path, error);
  if (error || size > static_cast<std::uintmax_t>(kMaxAircraftFileBytes)) {
    return NotOpened(path, FileOpenFailure::TooLarge);
  }
  std::string bytes;
  {
    std::ifstream file(path, std::ios::binary);
    if (!file) return NotOpened(path, FileOpenFailure::NoPermission);
    bytes.resize(static_cast<size_t>(size));
    file.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<size_t>(file.gcount()));
    if (file.bad()) return NotOpened(path, FileOpenFailure::ReadError);
  }  // the file is closed here, before the walk, whatever the walk finds
  return LoadAircraftBytes(bytes, record, display);
}

std::string AircraftFileNameOf(const std::string& path) {
  const std::string::size_type separator = path.find_last_of("/\\");
  if (separator == std::string::npos) return path;
  return path.substr(separator + 1);
}

}  // namespace tz9
