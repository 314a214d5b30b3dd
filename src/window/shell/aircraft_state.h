// SPDX-License-Identifier: GPL-3.0-or-later
// What a Load that did not complete left. A load either completes or changes nothing: after one
// that stopped, or a file that could not be opened, a marker under the loadout names the file
// and says which aircraft is still loaded, until the next Load that completes. A field the last
// completed load did not write keeps its text (the fields are the store of record) but is struck
// through.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <string>

#include "aircraft/aircraft_reader.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace tz9 {

// The three fields the reader writes, in the order it writes them.
enum class ReaderField { Name, ZeroFuelWeight, InternalFuel };
inline constexpr int kReaderFields = 3;

// Passes what the reader shows on to another display and notes which of the fields it wrote.
class ShownFieldsDisplay final : public AircraftDisplay {
 public:
  explicit ShownFieldsDisplay(AircraftDisplay& shown) : shown_(shown) {}
  void ShowAircraftName(const std::string& name) override;
  void ShowZeroFuelWeight(const std::string& text) override;
  void ShowMaxInternalFuel(const std::string& text) override;
  const std::array<bool, kReaderFields>& written() const { return written_; }

 private:
  AircraftDisplay& shown_;
  std::array<bool, kReaderFields> written_{};
};

// "the Check Aircraft of check-aircraft.dat is still loaded", or "no aircraft is loaded".
QString StillLoadedText(bool loaded, const QString& aircraftName, const QString& fileName);

// The marker's short form: "x.dat was not loaded (stopped at line 39); still loaded: Check
// Aircraft", "x.dat could not be opened; no aircraft is loaded"; empty after a load that
// completed. loadedName: the aircraft (or file) still loaded, empty when none is.
QString AircraftStateText(const LoadOutcome& outcome, const QString& fileName,
                          const QString& loadedName);

class AircraftStateMarker final : public QObject {
  Q_OBJECT

 public:
  // fields: the name, zero fuel weight and internal fuel fields, in ReaderField order.
  AircraftStateMarker(QWidget* client, const std::array<QLineEdit*, kReaderFields>& fields);

  // After a Load that completed: the fields it did not write are struck through.
  void ShowLoad(const std::array<bool, kReaderFields>& written);
  // After a Load that did not: the fields keep their text and look.
  void ShowRefusedLoad(const LoadOutcome& outcome, const QString& fileName,
                       const QString& loadedName);

 private:
  QLabel* label_;
  std::array<QLineEdit*, kReaderFields> fields_;
};

}  // namespace tz9
