// SPDX-License-Identifier: GPL-3.0-or-later
// The window's catalogue of layout refusals: each kind the core reports, on either axis, worded
// for the status line with the range fields' labels.
#include <QtTest>
#include <string>
#include <vector>

#include "widgets/window_messages.h"

namespace {

using enum tz9::LayoutRefusalKind;
using enum tz9::TableAxis;
using enum tz9::RangeField;

struct Case {
  tz9::LayoutRefusal refusal;
  std::string text;
};

}  // namespace

class WindowMessagesTest : public QObject {
  Q_OBJECT

 private slots:
  // Between them the cases name all ten range fields and both axes.
  void LayoutRefusalsNameTheFieldsByTheirLabels() {
    const std::vector<Case> cases = {
        {{.kind = NotFinite, .axis = Speed, .field = Min}, "Min Speed is not a finite number."},
        {{.kind = NotFinite, .axis = Altitude, .field = Step},
         "Step Altitude is not a finite number."},
        {{.kind = StepZero, .axis = Speed, .field = Step1, .from = Min, .to = Step},
         "Speed Step1 is 0: the axis cannot step from Min Speed to Step Speed."},
        {{.kind = StepZero, .axis = Altitude, .field = Step2, .from = Step, .to = Max},
         "Altitude Step2 is 0: the axis cannot step from Step Altitude to Max Altitude."},
        {{.kind = SpanTooLarge, .axis = Altitude, .field = Step1, .from = Min, .to = Step},
         "The span from Min Altitude to Step Altitude is too large to step through."},
        {{.kind = StepPointsAway,
          .axis = Altitude,
          .field = Step2,
          .from = Step,
          .to = Max,
          .mustBePositive = true},
         "Altitude Step2 points away from Max Altitude: it must be positive to go from Step "
         "Altitude to Max Altitude."},
        {{.kind = StepPointsAway, .axis = Speed, .field = Step2, .from = Step, .to = Max},
         "Speed Step2 points away from Max Speed: it must be negative to go from Step Speed to "
         "Max Speed."},
        {{.kind = TooManyValues, .axis = Altitude},
         "The altitude axis would have more than 32766 values: choose larger steps."},
        {{.kind = TooManyValues, .axis = Speed},
         "The speed axis would have more than 32766 values: choose larger steps."},
        {{.kind = Indistinct, .axis = Speed, .field = Step1},
         "Speed Step1 is too small: neighbouring values of the speed axis would read the same in "
         "15 digits."},
        {{.kind = Indistinct, .axis = Altitude, .field = Step2},
         "Altitude Step2 is too small: neighbouring values of the altitude axis would read the "
         "same in 15 digits."},
        {{.kind = SpeedMaxOutOfRange, .axis = Speed, .field = Max, .number = 32768},
         "Max Speed rounds to 32768, outside -32768 .. 32767."},
        {{.kind = SpeedMaxOutOfRange, .axis = Speed, .field = Max, .number = 1e308},
         "Max Speed rounds to 1e+308, outside -32768 .. 32767."},
        {{.kind = TooManyCells, .cells = 1001000},
         "The table would have 1001000 data cells, more than 1000000: choose larger steps."},
    };
    for (const Case& c : cases)
      QCOMPARE(QString::fromStdString(tz9::LayoutRefusalText(c.refusal)),
               QString::fromStdString(c.text));
  }

  void ComputeRefusalsNameWhatToDoInTheWindow() {
    const std::pair<tz9::SweepRefusal, const char*> cases[] = {
        {tz9::SweepRefusal::NoAircraft, "Compute Table needs an aircraft: load a file first."},
        {tz9::SweepRefusal::WeightNotNumber, "The computing weight is not a number."},
        {tz9::SweepRefusal::WeightBelowZfw,
         "The computing weight is below the zero fuel weight: press Compute Weight to propose "
         "one."},
        {tz9::SweepRefusal::GridsDiffer, "The two grids differ in size: press Create Table first."},
    };
    for (const auto& [refusal, text] : cases) {
      QCOMPARE(QString::fromStdString(tz9::SweepRefusalText(refusal)), QString::fromLatin1(text));
    }
  }

  void WeightOverflowNamesWhatTookItThere() {
    using enum tz9::LoadoutOverflow;
    const std::pair<tz9::LoadoutOverflow, const char*> cases[] = {
        {StoreCounts,
         "The computing weight is not a number: the store counts give a weight beyond the range "
         "of numbers."},
        {InternalFuel,
         "The computing weight is not a number: the file's internal fuel and the tanks' fuel add "
         "up beyond the range of numbers."},
        {Weight,
         "The computing weight is not a number: the zero fuel weight, stores and fuel on board "
         "add up beyond the range of numbers."},
        {None, "The computing weight is not a number."},
    };
    for (const auto& [cause, text] : cases) {
      QCOMPARE(QString::fromStdString(tz9::WeightOverflowText(cause)), QString::fromLatin1(text));
    }
  }
};

QTEST_APPLESS_MAIN(WindowMessagesTest)
#include "window_messages_test.moc"
