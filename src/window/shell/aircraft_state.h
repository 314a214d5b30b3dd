// SPDX-License-Identifier: GPL-3.0-or-later
// How much of the aircraft the window shows is really in the record. After a load that stopped,
// a marker under the loadout says the aircraft is incomplete until the next Load; after a file
// that could not be opened it says no aircraft is loaded. A field the last load did not write
// keeps its text (the fields are the store of record) but is struck through.
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

// "Load stopped at line 39 of x.dat: the record holds what was read before it", "x.dat could
// not be opened: no aircraft is loaded", or empty after a load that completed.
QString AircraftStateText(const LoadOutcome& outcome, const QString& fileName);

class AircraftStateMarker final : public QObject {
  Q_OBJECT

 public:
  // fields: the name, zero fuel weight and internal fuel fields, in ReaderField order.
  AircraftStateMarker(QWidget* client, const std::array<QLineEdit*, kReaderFields>& fields);

  // After every Load that chose a file.
  void ShowLoad(const LoadOutcome& outcome, const QString& fileName,
                const std::array<bool, kReaderFields>& written);

 private:
  QLabel* label_;
  std::array<QLineEdit*, kReaderFields> fields_;
};

}  // namespace tz9
